#include "base/command_words.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

// The words are never longer than their source, so they are written over it;
// out never overtakes in.
int SplitCommandWords(char* line, char** words, int maxWords)
{
    int count = 0;
    const char* in = line;
    char* out = line;
    while (count < maxWords) {
        while (IsBlank(*in)) ++in;
        if (!*in) break;
        words[count] = out;
        int quoted = 0;
        while (*in && (quoted || !IsBlank(*in))) {
            int backslashes = 0;
            // The program's name keeps its backslashes: it is a path.
            if (count > 0)
                while (*in == '\\') ++backslashes, ++in;
            if (*in == '"') {
                for (int k = backslashes / 2; k > 0; --k) *out++ = '\\';
                if (backslashes % 2) *out++ = '"';
                else quoted = !quoted;
                ++in;
            } else {
                for (; backslashes > 0; --backslashes) *out++ = '\\';
                if (*in && (quoted || !IsBlank(*in))) *out++ = *in++;
            }
        }
        if (*in) ++in;  // the blank ending the word, before out may overwrite it
        *out++ = '\0';
        ++count;
    }
    return count;
}
