#include "shell/bar_messages_win.h"
#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return DeskRailMain(instance, BarWindowProc);
}
