// profile_text.h: the profile file as a text a person can read and edit
// (docs/profile-format.md), and back, byte for byte.
#pragma once
#include <cstddef>

#include "menus/profile_file.h"

// TextSink: takes the text piece by piece.
typedef void (*TextSink)(const char* text, size_t length, void* context);

// ExportProfileText: the text form of the bytes of the named profile file. A
// file the program cannot load gives the loader's fatal outcome and no text.
ProfileLoad ExportProfileText(const unsigned char* data, size_t size, const char* fileName, TextSink sink,
                              void* context);

// ProfileFromText: the file's bytes for a text (delete[] them; null when
// empty). 0 on a bad text, with "Zeile n: ..." in message.
int ProfileFromText(const char* text, size_t length, unsigned char*& bytes, size_t& size, char* message,
                    size_t messageSize);

// ImportProfileText: writes the file the text describes to path through
// ReplaceFileWith. 0 with a message when the text is bad (nothing is
// written) or the write failed (the old file stays whole).
int ImportProfileText(const char* text, size_t length, const char* path, char* message, size_t messageSize);
