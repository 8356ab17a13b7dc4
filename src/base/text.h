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

// Code page 1252 and UTF-8, for texts that leave the program (the profile's
// text form, a terminal's messages).
// Cp1252Character: the character a byte stands for; -1 for the five bytes
// that stand for none.
long Cp1252Character(unsigned char byte);

// Cp1252Byte: the byte for a character; -1 when code page 1252 has none.
int Cp1252Byte(unsigned long character);

// PutUtf8: the character's UTF-8 form (at most 4 bytes) into out; its length.
size_t PutUtf8(unsigned long character, char* out);

// ReadUtf8: the character a well-formed UTF-8 sequence at text stands for and
// the sequence's length; 0 when the bytes are no such sequence.
size_t ReadUtf8(const unsigned char* text, size_t available, unsigned long& character);

// Cp1252ToUtf8: a code page 1252 text as UTF-8, cut whole characters short to
// fit size; a byte that stands for no character stays as it is.
void Cp1252ToUtf8(char* out, size_t size, const char* text);
