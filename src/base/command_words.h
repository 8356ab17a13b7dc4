// command_words.h: the command line split into words, as the C runtime's
// start-up would for main's argv.
#pragma once

// SplitCommandWords: splits line in place (it is overwritten) and points
// words[0..n-1] into it; words[0] is the program. Returns n, at most maxWords;
// words beyond that are ignored. Blanks (space, tab) separate words, and
// double quotes group blanks into a word. After the program's name, which is
// taken as it stands, backslashes count only before a quote: 2k of them give
// k and the quote groups; 2k+1 give k and a literal quote.
int SplitCommandWords(char* line, char** words, int maxWords);
