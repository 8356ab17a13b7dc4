// profile_records.h: profile file bytes written out by hand, field by field,
// for tests that check what the program reads and writes.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace records {

using Bytes = std::vector<unsigned char>;

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes Text(const char* text, size_t width)
{
    Bytes field(width, 0);
    std::memcpy(field.data(), text, std::min(std::strlen(text), width));
    return field;
}

inline Bytes Int(int32_t value)
{
    uint32_t v = static_cast<uint32_t>(value);
    return {Bytes::value_type(v), Bytes::value_type(v >> 8), Bytes::value_type(v >> 16), Bytes::value_type(v >> 24)};
}

const Bytes HEADER = {0x67, 0, 0, 0};

inline Bytes MenuRecord(const char* name, int32_t count)
{
    return Text(name, 30) + Bytes(2, 0) + Int(count) + Bytes(12, 0);
}

inline Bytes EntryRecord(const char* name, const char* path, int32_t show = 5, int32_t separator = 0,
                         const char* directory = "", const char* parameters = "")
{
    return Text(path, 128) + Text(directory, 128) + Text(parameters, 90) + Text(name, 30) + Int(show) +
           Int(separator) + Bytes(8, 0);
}

// DefaultMenus: what a first save writes, for that Windows directory.
inline Bytes DefaultMenus(const char* windowsDirectory)
{
    std::string mine = std::string(windowsDirectory) + "\\winmine.exe";
    std::string sol = std::string(windowsDirectory) + "\\sol.exe";
    return HEADER + MenuRecord("&Apps", 2) + EntryRecord("Visual &C++ v4.0", "c:\\vc40\\bin\\msdev.exe") +
           EntryRecord("&Word v7.0", "c:\\winword\\winword.exe") + MenuRecord("&Games", 2) +
           EntryRecord("&Minesweeper", mine.c_str()) + EntryRecord("&Solitaire", sol.c_str());
}

}  // namespace records
