// win_bar_fixture.h: an end-to-end journey's frame: its own folder with a copy of DeskRail.exe, the
// bar's registry keys removed around it, starting and ending the bar, profiles from their text form.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "base/texts.h"
#include "menus/profile_text.h"
#include "settings/user_variables.h"
#include "win_driver.h"

namespace driver {

using Bytes = std::vector<unsigned char>;

// Format: a text of base/texts.h filled in.
template <typename... Values>
std::string Format(const char* format, Values... values)
{
    char text[400];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

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
    // Start: the bar, these warnings in order, its window and no box more.
    HWND Start(BarProcess& bar, const std::string& arguments, const std::vector<std::string>& warnings)
    {
        EXPECT_TRUE(bar.Start(exe, arguments));
        for (const std::string& text : warnings) {
            Box box;
            EXPECT_TRUE(bar.NextBox(box)) << "missing: " << text;
            EXPECT_EQ(WARNING_CAPTION + ("|" + text), box.caption + "|" + box.text);
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
