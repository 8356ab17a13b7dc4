// win_bar_fixture.h: the frame of an end-to-end journey: a folder of its own
// with a copy of DeskRail.exe, the users' registry keys removed before and
// after, the usual ways to start and end the bar, and what it wrote decoded
// with the program's own portable rules.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "base/texts.h"
#include "menus/menu_model.h"
#include "menus/profile_file.h"
#include "settings/user_variables.h"
#include "win_driver.h"

namespace driver {

const char OPTIONS_VALUE[] = "User_Variables";

inline std::vector<unsigned char> Bytes(const UserVariables& options)
{
    const unsigned char* at = reinterpret_cast<const unsigned char*>(&options);
    return {at, at + sizeof options};
}

// Format: a text of base/texts.h filled in.
template <typename... Values>
std::string Format(const char* format, Values... values)
{
    char text[400];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Outline: the menus the program reads from a profile, a line per menu and entry.
inline std::string Outline(const std::vector<unsigned char>& bytes)
{
    std::string text = LoadProfileBytes(bytes.data(), bytes.size()).message;
    for (UserMenu* menu = menuListHead; menu; menu = menu->next) {
        text += std::string(menu->name) + "\n";
        for (ProgramItem* item = menu->items; item; item = item->next)
            text += std::string(" ") + item->name + "|" + item->path + "|" + item->workingDirectory + "|" +
                    item->parameters + "|" + std::to_string(item->showCommand) + "|" +
                    std::to_string(item->separatorBefore) + "\n";
    }
    FreeAllUserMenus();
    return text;
}

class BarTest : public ::testing::Test {
protected:
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
    static UserVariables Defaults(bool autoHide)
    {
        UserVariables options;
        SetDefaultUserVariables(options);
        options.autoHide = autoHide;
        return options;
    }
    // UserWith: options stored, so no welcome comes.
    std::string UserWith(const std::string& user, const UserVariables& options)
    {
        EXPECT_TRUE(WriteRegistryValue(Key(User(user)), OPTIONS_VALUE, REG_BINARY, &options, sizeof options));
        return user;
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
            EXPECT_EQ(WARNING_CAPTION + ("|" + text), box.caption + "|" + box.text);
        }
        HWND window = bar.WaitForBar();
        EXPECT_TRUE(window) << "no bar window";
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
        EXPECT_TRUE(bar.Close());
        ExpectExit0(bar);
    }

    TempDir dir;
    std::string exe = Copy("DeskRail.exe", dir.Path());
    std::vector<std::string> users;
};

}  // namespace driver
