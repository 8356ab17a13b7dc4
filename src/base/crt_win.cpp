// crt_win.cpp: the little of a C and C++ runtime that DeskRail.exe uses, done
// with Win32 alone, so that the program needs no msvcrt.dll (NT 3.51 and the
// first Windows 95 lack it). Linked into DeskRail.exe only: the tests link
// msvcrt, whose functions these would clash with. Everything here must import
// nothing newer than Windows 95 and NT 3.51 offer (docs/old-windows.md).
#include <windows.h>

#include <cstdarg>
#include <cstddef>
#include <new>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandTail, int show);

extern "C" {

// The compiler itself emits calls to these four for copies and clears.
void* memcpy(void* dst, const void* src, size_t n)
{
    char* d = static_cast<char*>(dst);
    const char* s = static_cast<const char*>(src);
    while (n--) *d++ = *s++;
    return dst;
}

void* memmove(void* dst, const void* src, size_t n)
{
    char* d = static_cast<char*>(dst);
    const char* s = static_cast<const char*>(src);
    if (d < s) {
        while (n--) *d++ = *s++;
    } else {
        while (n--) d[n] = s[n];
    }
    return dst;
}

void* memset(void* dst, int value, size_t n)
{
    unsigned char* d = static_cast<unsigned char*>(dst);
    while (n--) *d++ = static_cast<unsigned char>(value);
    return dst;
}

int memcmp(const void* a, const void* b, size_t n)
{
    const unsigned char* x = static_cast<const unsigned char*>(a);
    const unsigned char* y = static_cast<const unsigned char*>(b);
    for (; n; --n, ++x, ++y)
        if (*x != *y) return *x - *y;
    return 0;
}

void* memchr(const void* text, int c, size_t n)
{
    const unsigned char* t = static_cast<const unsigned char*>(text);
    for (; n; --n, ++t)
        if (*t == static_cast<unsigned char>(c)) return const_cast<unsigned char*>(t);
    return nullptr;
}

size_t strlen(const char* text)
{
    return static_cast<size_t>(lstrlenA(text));
}

// Byte order, as the C library compares; lstrcmpA would sort by the locale.
int strncmp(const char* a, const char* b, size_t n)
{
    for (; n; --n, ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
        if (x != y) return x - y;
        if (!x) break;
    }
    return 0;
}

int strcmp(const char* a, const char* b)
{
    return strncmp(a, b, static_cast<size_t>(-1));
}

char* strchr(const char* text, int c)
{
    for (;; ++text) {
        if (*text == static_cast<char>(c)) return const_cast<char*>(text);
        if (!*text) return nullptr;
    }
}

char* strrchr(const char* text, int c)
{
    const char* found = nullptr;
    for (;; ++text) {
        if (*text == static_cast<char>(c)) found = text;
        if (!*text) return const_cast<char*>(found);
    }
}

// vsnprintf on wvsprintfA, which knows %s %c %d %u %x (with l) and %% and
// writes at most 1024 characters: a longer result counts as cut even when
// dst could take more.
int vsnprintf(char* dst, size_t size, const char* format, va_list args)
{
    const size_t LIMIT = 1024;
    char buffer[LIMIT + 1];
    int n = wvsprintfA(buffer, format, args);
    if (n < 0) return n;
    size_t length = static_cast<size_t>(n) < LIMIT ? static_cast<size_t>(n) : LIMIT;
    if (size) {
        size_t kept = length < size ? length : size - 1;
        memcpy(dst, buffer, kept);
        dst[kept] = '\0';
    }
    return length < LIMIT ? n : static_cast<int>(size > LIMIT ? size : LIMIT);
}

// libstdc++'s headers route vsnprintf here (MinGW's C99 printf otherwise).
int __mingw_vsnprintf(char* dst, size_t size, const char* format, va_list args)
    __attribute__((alias("vsnprintf")));

int atexit(void (*)(void))
{
    return 0;  // the process ends with ExitProcess; nothing is left to tear down
}

void __cxa_pure_virtual()
{
    ExitProcess(3);
}

// Global constructors: the linker collects them between these two marks.
extern void (*__CTOR_LIST__[])();

// The entry point: the command line stays with GetCommandLineA (the program
// splits it itself); the show flag comes from the starter, as WinMain expects.
void WinMainCRTStartup()
{
    // Between the -1 marker and the closing null; run last to first, as
    // MinGW's own start-up does.
    void (**last)() = __CTOR_LIST__ + 1;
    while (*last) ++last;
    while (--last > __CTOR_LIST__) (*last)();

    char* tail = GetCommandLineA();
    int quoted = 0;
    for (; *tail && (quoted || (*tail != ' ' && *tail != '\t')); ++tail)
        if (*tail == '"') quoted = !quoted;
    while (*tail == ' ' || *tail == '\t') ++tail;

    STARTUPINFOA startup;
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, tail, show)));
}

}  // extern "C"

namespace std {
const nothrow_t nothrow{};
}

namespace {
void* Allocate(size_t size)
{
    return HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
}

void Release(void* block)
{
    if (block) HeapFree(GetProcessHeap(), 0, block);
}

// Plain new must not return null; out of memory ends the program as the
// C++ runtime's terminate would.
void* AllocateOrEnd(size_t size)
{
    void* block = Allocate(size);
    if (!block) ExitProcess(3);
    return block;
}
}  // namespace

void* operator new(size_t size) { return AllocateOrEnd(size); }
void* operator new[](size_t size) { return AllocateOrEnd(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, size_t) noexcept { Release(block); }
void operator delete[](void* block, size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
