#include "base/sound.h"

#include <cstring>

int IsWaveHeader(const unsigned char* head, size_t size)
{
    // "RIFF", the length of the rest, "WAVE".
    return size >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
}
