// name_sizes.h: the room for the run's names: the executable's directory
// (held whole, however deep it lies), the user's name and the profile's.
#pragma once

enum { PROGRAM_DIRECTORY_SIZE = 1024, USER_NAME_SIZE = 30, PROFILE_FILE_NAME_SIZE = 128 };
