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
