// startup_bench_win: time from process start until the window is shown, for
// DeskRail.exe, the app-bar floor program (appbar_floor_win.exe) and
// minimal_window_win.exe, started in turn. (Wine answers no memory figures
// for another process; scripts/bench.sh reads those from Linux.)
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

    std::string floor = Copy("appbar_floor_win.exe", dir.Path());
    struct Program {
        const char* name;
        std::string exe, arguments;
        const char* className;
        std::vector<double> times;
    } programs[] = {{"DeskRail.exe", bar, "bench", "DRClass", {}},
                    {"app-bar floor program", floor, "", "DRClass", {}},
                    {"minimal window program", minimal, "", "MinimalBar", {}}};
    for (Program& program : programs) StartAndTime(program.exe, program.arguments, program.className);  // warm the cache
    for (int i = 0; i < rounds; ++i)
        for (Program& program : programs) program.times.push_back(StartAndTime(program.exe, program.arguments, program.className));
    DeleteRegistryKey("Software\\DeskRail\\bench");
    std::printf("start-up until the window shows (%d runs each, median):\n", rounds);
    for (Program& program : programs) std::printf("  %-24s %8.1f ms\n", program.name, Median(program.times));
    std::printf("  ratio to the floor       %8.2f\n", Median(programs[0].times) / Median(programs[1].times));
    std::printf("  ratio to the minimal     %8.2f\n", Median(programs[0].times) / Median(programs[2].times));
    return 0;
}
