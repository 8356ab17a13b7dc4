// profile_tool.h: deskrail-profile's command line, apart from its console.
//   export PROFILE         the text of the profile to out
//   import TEXT PROFILE    the profile from the text, never over the text itself
#pragma once
#include "menus/profile_text.h"

// ToolMessage: shows one message to the user (code page 1252).
typedef void (*ToolMessage)(const char* message);

// RunProfileTool: the exit code: 0 done, 1 failed (its reason given to fail),
// 2 not called as above (the usage given to fail).
int RunProfileTool(int argc, const char* const* argv, TextSink out, ToolMessage fail);
