// startup_bench_win: time from process start until the window is shown, for
// DeskRail.exe and for minimal_window_win.exe, started alternately.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "win_driver.h"

using namespace driver;

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// StartAndTime: ms from CreateProcess until a visible window of that class shows.
double StartAndTime(const std::string& exe, const std::string& arguments, const char* className)
{
    BarProcess process;
    double start = Now();
    if (!process.Start(exe, arguments)) return -1;
    HWND window = nullptr;
    WaitFor([&] {
        window = FindProcessWindow(process.Id(), className, nullptr);
        return window && IsWindowVisible(window);
    }, 10000);
    double took = Now() - start;
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code;
    process.WaitForExit(code, 5000);
    return window ? took : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    TempDir dir;
    std::string bar = Copy("DeskRail.exe", dir.Path());
    std::string minimal = Copy("minimal_window_win.exe", dir.Path());
    // Stored options without auto-hide, so the bar starts without a welcome and stays.
    std::vector<unsigned char> options(160, 0);
    options[0] = options[12] = options[24] = 1;
    WriteRegistryValue("Software\\DeskRail\\bench", "User_Variables", REG_BINARY, options.data(), DWORD(options.size()));

    std::vector<double> barTimes, minimalTimes;
    StartAndTime(bar, "bench", "DRClass");  // warm the file cache once
    StartAndTime(minimal, "", "MinimalBar");
    for (int i = 0; i < rounds; ++i) {
        barTimes.push_back(StartAndTime(bar, "bench", "DRClass"));
        minimalTimes.push_back(StartAndTime(minimal, "", "MinimalBar"));
    }
    DeleteRegistryKey("Software\\DeskRail\\bench");
    double barMedian = Median(barTimes), minimalMedian = Median(minimalTimes);
    std::printf("start-up until the window shows (%d runs each, median):\n", rounds);
    std::printf("  DeskRail.exe            %8.1f ms\n", barMedian);
    std::printf("  minimal window program  %8.1f ms\n", minimalMedian);
    std::printf("  ratio                   %8.2f\n", barMedian / minimalMedian);
    return 0;
}
