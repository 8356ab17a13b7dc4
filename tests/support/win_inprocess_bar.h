// win_inprocess_bar.h: a bar window made by the program's own code inside
// the test process, with a shell of the test's own in front of the app-bar
// messages: Wine's host never refuses auto-hide and keeps no state to read.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <vector>

namespace driver {

struct ShellCall {
    DWORD message;
    APPBARDATA data;
};

class InProcessBarTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // CreateBar: the bar as start-up makes it, from the current options.
    void CreateBar();
    RECT BarRect() const;
    int BarHeight() const { return GetSystemMetrics(SM_CYMENU) + 10; }
    // ShellMessages: the docking messages sent, in order.
    std::vector<DWORD> ShellMessages() const;
    const ShellCall& Docking(size_t index) const;

    static std::vector<ShellCall> shellCalls;
    static bool refuseAutoHide;  // the shell answers as when another bar holds the edge

private:
    static UINT_PTR WINAPI RecordingShell(DWORD message, PAPPBARDATA data);
};

}  // namespace driver
