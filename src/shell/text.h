// text.h: bounded copies into the program's fixed-size text fields.
#pragma once
#include <cstddef>
#include <cstdio>
#include <cstdarg>

// CopyText: copies at most size-1 bytes and always terminates; returns 1 when
// the whole source fitted, 0 when it was cut.
int CopyTextN(char* dst, size_t size, const char* src);

template <size_t N>
inline int CopyText(char (&dst)[N], const char* src) { return CopyTextN(dst, N, src); }

// FormatText: snprintf that always terminates; returns 1 when nothing was cut.
int FormatTextN(char* dst, size_t size, const char* format, ...);

// TextLengthN: length of a field that may lack its terminator.
size_t TextLengthN(const char* text, size_t size);
