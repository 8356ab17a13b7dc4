// win_bar_fixture.h: an end-to-end journey's frame: its own folder with a copy of DeskRail.exe, the
// bar's registry keys removed around it, starting and ending the bar, profiles from their text form.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "base/texts.h"
#include "menus/profile_text.h"
#include "settings/user_variables.h"
#include "win_driver.h"

namespace driver {

using Bytes = std::vector<unsigned char>;

inline Bytes BytesOf(const UserVariables& options)
{
    const unsigned char* at = reinterpret_cast<const unsigned char*>(&options);
    return {at, at + sizeof options};
}

// ProfileBytes: the profile file a deskrail-profile text describes.
inline Bytes ProfileBytes(const std::string& text)
{
    unsigned char* data = nullptr;
    size_t size = 0;
    char message[200] = "";
    EXPECT_TRUE(ProfileFromText(text.data(), text.size(), data, size, message, sizeof message)) << message;
    Bytes bytes(data, data + size);
    delete[] data;
    return bytes;
}

// StatusDrawn: text stands in the right half of the bar's menu lines from that row on, where the status text
// is drawn (the titles on the left may show the keyboard mode the hot key left, the frame the activation).
inline bool StatusDrawn(HWND window, int fromRow = 6)
{
    const RECT bar = WindowRect(window);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = bar.bottom - bar.top;
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    DWORD* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr), screen = GetDC(nullptr);
    HGDIOBJ bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, screen, 0, bar.top, SRCCOPY);
    GdiFlush();
    bool drawn = false;
    for (int y = fromRow; y < height - 6; ++y)
        for (int x = width / 2; x < width - 10; ++x) drawn |= bits[y * width + x] != bits[y * width + width / 2];
    ReleaseDC(nullptr, screen);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return drawn;
}

class BarTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteRegistryKey(AllUsers()); }
    void TearDown() override { DeleteRegistryKey(AllUsers()); }
    static std::string Key(const std::string& user)
    {
        char key[USER_KEY_NAME_SIZE];
        FormatUserKeyName(key, sizeof key, user.c_str());
        return key;
    }
    // AllUsers: the key that holds every user's key.
    static std::string AllUsers() { return Key("x").substr(0, Key("x").rfind('\\')); }
    // Defaults: the first start's record, byte for byte: on top, free memory, auto-hide, time; no WAV path.
    static UserVariables Defaults(bool autoHide)
    {
        const unsigned char flags[32] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, autoHide, 0, 0, 0, 1};
        UserVariables options = {};
        std::memcpy(&options, flags, sizeof flags);
        return options;
    }
    // UserWith: options stored, so no welcome comes.
    std::string UserWith(const std::string& user, const UserVariables& options)
    {
        EXPECT_TRUE(WriteRegistryValue(Key(user), "User_Variables", REG_BINARY, &options, sizeof options));
        return user;
    }
    // Stored: the user's options record as the registry holds it (empty: none).
    Bytes Stored(const std::string& user)
    {
        Bytes bytes(1024);
        DWORD size = static_cast<DWORD>(bytes.size());
        if (SHGetValueA(HKEY_CURRENT_USER, Key(user).c_str(), "User_Variables", nullptr, bytes.data(), &size)) size = 0;
        bytes.resize(size);
        return bytes;
    }
    std::string ProfileOf(const std::string& user) { return dir.File("deskrail." + user); }
    // Start: the bar, these warnings in order (the last one up while duringLast runs), its window and no box more.
    HWND Start(BarProcess& bar, const std::string& arguments, const std::vector<std::string>& warnings,
               const std::function<void()>& duringLast = {})
    {
        EXPECT_TRUE(bar.Start(exe, arguments));
        for (const std::string& text : warnings) {
            Box box;
            EXPECT_TRUE(ShownBox(bar.Id(), box)) << "missing: " << text;
            EXPECT_EQ(WARNING_CAPTION + ("|" + text), box.caption + "|" + box.text);
            if (&text == &warnings.back() && duringLast) duringLast();
            PressOk(box);
        }
        HWND window = nullptr;
        EXPECT_TRUE(WaitFor([&] { return (window = bar.Bar()) != nullptr; })) << "no bar window";
        EXPECT_TRUE(bar.ExpectNoBox()) << "a box more than expected";
        return window;
    }
    void ExpectExit0(BarProcess& bar)
    {
        DWORD code = 1;
        EXPECT_TRUE(bar.WaitForExit(code) && code == 0) << code;
    }
    void Close(BarProcess& bar)
    {
        EXPECT_TRUE(PostMessageA(bar.Bar(), WM_CLOSE, 0, 0));
        ExpectExit0(bar);
    }

    TempDir dir;
    std::string exe = Copy("DeskRail.exe", dir.Path());
};

}  // namespace driver
