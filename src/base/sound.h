// sound.h: what a chime file must begin with.
#pragma once
#include <cstddef>

// IsWaveHeader: 1 when a file's first bytes are those of a RIFF WAVE file.
int IsWaveHeader(const unsigned char* head, size_t size);
