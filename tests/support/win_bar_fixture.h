// win_bar_fixture.h: the frame of an end-to-end journey: a folder of its own
// with a copy of DeskRail.exe, the users' registry keys removed before and
// after, and the usual ways to start and end the bar.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/texts.h"
#include "settings/user_variables.h"
#include "win_driver.h"

namespace driver {

const char OPTIONS_VALUE[] = "User_Variables";

class BarTest : public ::testing::Test {
protected:
    void SetUp() override { exe = InstallBar(dir.Path()); }
    void TearDown() override
    {
        for (const std::string& user : users) DeleteRegistryKey(Key(user));
    }
    static std::string Key(const std::string& user)
    {
        char key[USER_KEY_NAME_SIZE];
        FormatUserKeyName(key, sizeof key, user.c_str());
        return key;
    }
    std::string User(const std::string& user)
    {
        users.push_back(user);
        DeleteRegistryKey(Key(user));
        return user;
    }
    // UserWith: the default options stored with that auto-hide, so no welcome comes.
    std::string UserWith(const std::string& user, bool autoHide)
    {
        UserVariables options;
        SetDefaultUserVariables(options);
        options.autoHide = autoHide;
        EXPECT_TRUE(WriteRegistryBinary(Key(User(user)), OPTIONS_VALUE, Bytes(options)));
        return user;
    }
    static std::vector<unsigned char> Bytes(const UserVariables& options)
    {
        const unsigned char* at = reinterpret_cast<const unsigned char*>(&options);
        return std::vector<unsigned char>(at, at + sizeof options);
    }
    std::vector<unsigned char> StoredBytes(const std::string& user)
    {
        std::vector<unsigned char> bytes;
        EXPECT_TRUE(ReadRegistryValue(Key(user), OPTIONS_VALUE, bytes));
        return bytes;
    }
    UserVariables Stored(const std::string& user)
    {
        UserVariables options = {};
        std::vector<unsigned char> bytes = StoredBytes(user);
        EXPECT_EQ(sizeof options, bytes.size());
        std::memcpy(&options, bytes.data(), std::min(bytes.size(), sizeof options));
        return options;
    }
    std::string ProfileOf(const std::string& user) { return dir.File("deskrail." + user); }
    // Start: the bar, these warnings in order, its window and no box more.
    HWND Start(BarProcess& bar, const std::string& arguments, const std::vector<std::string>& warnings)
    {
        EXPECT_TRUE(bar.Start(exe, arguments));
        for (const std::string& text : warnings) {
            Box box;
            EXPECT_TRUE(bar.NextBox(box)) << "missing: " << text;
            EXPECT_EQ(WARNING_CAPTION, box.caption);
            EXPECT_EQ(text, box.text);
        }
        HWND window = bar.WaitForBar();
        EXPECT_TRUE(window) << "no bar window";
        EXPECT_TRUE(bar.ExpectNoBox()) << "a box more than expected";
        return window;
    }
    void ExpectExit0(BarProcess& bar)
    {
        DWORD code = 1;
        EXPECT_TRUE(bar.WaitForExit(code));
        EXPECT_EQ(0u, code);
    }
    void Close(BarProcess& bar)
    {
        EXPECT_TRUE(bar.Close());
        ExpectExit0(bar);
    }

    TempDir dir;
    std::string exe;
    std::vector<std::string> users;
};

}  // namespace driver
