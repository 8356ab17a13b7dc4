// win_bar_fixture.h: the frame of an end-to-end test: a folder of its own
// with a copy of DeskRail.exe, registry keys that are cleaned up, and the
// usual ways to start and end the bar.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_driver.h"

namespace driver {

inline std::string KeyOf(const std::string& user) { return "Software\\DeskRail\\" + user; }

// Options: a stored record with the given flags and an empty path.
struct Options {
    int alwaysOnTop = 1, hourlyChime = 0, showDate = 0, showFreeMemory = 1;
    int dockBottom = 0, autoHide = 1, showTime = 1, showUserName = 0;
    // InView: a bar that stays where it docks (no auto-hide).
    static Options InView()
    {
        Options options;
        options.autoHide = 0;
        return options;
    }
    std::vector<unsigned char> Bytes() const
    {
        std::vector<unsigned char> bytes(160, 0);
        const int flags[] = {alwaysOnTop, hourlyChime, showDate, showFreeMemory,
                             dockBottom, autoHide, showTime, showUserName};
        for (int i = 0; i < 8; ++i) bytes[4 * i] = static_cast<unsigned char>(flags[i]);
        return bytes;
    }
};

class BarTest : public ::testing::Test {
protected:
    void SetUp() override { exe = InstallBar(dir.Path()); }
    void TearDown() override
    {
        for (const std::string& user : users) DeleteRegistryKey(KeyOf(user));
    }
    // User: a registry key this test may use, removed before and after.
    std::string User(const std::string& user)
    {
        users.push_back(user);
        DeleteRegistryKey(KeyOf(user));
        return user;
    }
    // UserWith: a user whose options are already stored, so no welcome comes.
    std::string UserWith(const std::string& user, const Options& options)
    {
        User(user);
        EXPECT_TRUE(WriteRegistryBinary(KeyOf(user), "User_Variables", options.Bytes()));
        return user;
    }
    // StartExpecting: starts the bar and expects exactly these boxes, in order,
    // before its window shows; returns the window.
    HWND StartExpecting(BarProcess& bar, const std::string& arguments, const std::vector<std::string>& texts)
    {
        EXPECT_TRUE(bar.Start(exe, arguments));
        for (const std::string& text : texts) {
            Box box;
            EXPECT_TRUE(bar.NextBox(box)) << "missing box: " << text;
            EXPECT_EQ("DeskRail", box.caption);
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
        ASSERT_TRUE(bar.WaitForExit(code));
        EXPECT_EQ(0u, code);
    }
    void CloseNormally(BarProcess& bar)
    {
        ASSERT_TRUE(bar.Close());
        ExpectExit0(bar);
    }
    std::vector<unsigned char> Stored(const std::string& user)
    {
        std::vector<unsigned char> bytes;
        EXPECT_TRUE(ReadRegistryValue(KeyOf(user), "User_Variables", bytes));
        return bytes;
    }

    TempDir dir;
    std::string exe;
    std::vector<std::string> users;
};

}  // namespace driver
