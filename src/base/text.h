// text.h: bounded copies into the program's fixed-size text fields.
#pragma once
#include <cstddef>

// CopyText: copies at most size-1 bytes and always terminates; returns 1 when
// the whole source fitted, 0 when it was cut.
int CopyTextN(char* dst, size_t size, const char* src);

template <size_t N>
inline int CopyText(char (&dst)[N], const char* src) { return CopyTextN(dst, N, src); }

// FormatText: snprintf that always terminates; returns 1 when nothing was cut.
int FormatTextN(char* dst, size_t size, const char* format, ...);

// TextLengthN: length of a field that may lack its terminator.
size_t TextLengthN(const char* text, size_t size);

// StoreText: the text into a record's field with zeros behind it, so that a
// shorter new text leaves nothing of the old one in the profile file.
template <size_t N>
inline void StoreText(char (&field)[N], const char* text)
{
    for (size_t i = 0; i < N; ++i) field[i] = '\0';
    CopyTextN(field, N, text);
}

// FieldText: a record's field as a terminated text, even when it fills its
// whole width.
template <size_t N>
inline void FieldText(char (&text)[N + 1], const char (&field)[N])
{
    size_t length = TextLengthN(field, N);
    for (size_t i = 0; i < length; ++i) text[i] = field[i];
    text[length] = '\0';
}

// MessageList: the warnings one step collects for its caller to show, in order.
// More than fit are dropped; nobody types that many wrong arguments.
struct MessageList {
    enum { CAPACITY = 16, TEXT_SIZE = 160 };
    int count;
    char text[CAPACITY][TEXT_SIZE];
};

// AddMessage: appends the formatted text when there is room.
void AddMessage(MessageList& list, const char* format, ...);
