// console_win.h: texts for the console window a console program writes to.
#pragma once
#include <cstddef>

// ConsoleText: a code page 1252 text in the console's output code page, cut
// to fit size. Where the system cannot tell the page, the OEM page, which
// consoles show by default.
void ConsoleText(char* out, size_t size, const char* text);
