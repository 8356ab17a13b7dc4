#include "base/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

int CopyTextN(char* dst, size_t size, const char* src)
{
    if (size == 0) return 0;
    size_t len = src ? std::strlen(src) : 0;
    int whole = len < size;
    if (!whole) len = size - 1;
    if (len) std::memmove(dst, src, len);
    dst[len] = '\0';
    return whole;
}

static int FormatTextV(char* dst, size_t size, const char* format, va_list args)
{
    if (size == 0) return 0;
    int n = std::vsnprintf(dst, size, format, args);
    if (n < 0) {
        dst[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(n) < size;
}

int FormatTextN(char* dst, size_t size, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int whole = FormatTextV(dst, size, format, args);
    va_end(args);
    return whole;
}

size_t TextLengthN(const char* text, size_t size)
{
    const void* nul = std::memchr(text, '\0', size);
    return nul ? static_cast<size_t>(static_cast<const char*>(nul) - text) : size;
}

void AddMessage(MessageList& list, const char* format, ...)
{
    if (list.count >= MessageList::CAPACITY) return;
    va_list args;
    va_start(args, format);
    FormatTextV(list.text[list.count++], MessageList::TEXT_SIZE, format, args);
    va_end(args);
}

namespace {
// The characters of bytes 0x80 to 0x9F; the others stand for themselves.
const unsigned short CP1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

long Cp1252Character(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0) return byte;
    return CP1252_HIGH[byte - 0x80] ? CP1252_HIGH[byte - 0x80] : -1;
}

int Cp1252Byte(unsigned long character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<int>(character);
    for (int i = 0; i < 32; ++i)
        if (CP1252_HIGH[i] == character && character >= 0x100) return 0x80 + i;
    return -1;
}

size_t PutUtf8(unsigned long character, char* out)
{
    size_t length = character < 0x80 ? 1 : character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
    static const unsigned char LEAD[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (size_t i = length - 1; i > 0; --i, character >>= 6)
        out[i] = static_cast<char>(0x80 | (character & 0x3F));
    out[0] = static_cast<char>(LEAD[length] | character);
    return length;
}

size_t ReadUtf8(const unsigned char* text, size_t available, unsigned long& character)
{
    unsigned char lead = text[0];
    size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > available) return 0;
    character = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80) return 0;
        character = character << 6 | (text[i] & 0x3F);
    }
    // Overlong forms, surrogates and numbers past Unicode are no characters.
    static const unsigned long LEAST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (character < LEAST[length] || (character >= 0xD800 && character < 0xE000) || character > 0x10FFFF) return 0;
    return length;
}

void Cp1252ToUtf8(char* out, size_t size, const char* text)
{
    if (size == 0) return;
    size_t used = 0;
    for (; *text; ++text) {
        char piece[4];
        long character = Cp1252Character(static_cast<unsigned char>(*text));
        size_t length = character < 0 ? (piece[0] = *text, 1) : PutUtf8(static_cast<unsigned long>(character), piece);
        if (used + length >= size) break;
        std::memcpy(out + used, piece, length);
        used += length;
    }
    out[used] = '\0';
}
