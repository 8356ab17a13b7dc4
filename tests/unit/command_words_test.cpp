// The command line split into words, by the C runtime's quoting rules.
#include <gtest/gtest.h>

#include <string>

#include "base/command_words.h"

TEST(CommandWords, SplitsByBlanksQuotesAndBackslashes)
{
    struct Case {
        const char* line;
        int maxWords;
        const char* words;  // joined by '|'
    };
    const Case cases[] = {
        {"", 8, ""},
        {" \t ", 8, ""},
        {"dr.exe", 8, "dr.exe"},
        {"\"C:\\Program Files\\dr.exe\" -u  Hans\t-x", 8, "C:\\Program Files\\dr.exe|-u|Hans|-x"},
        {"C:\\dr\\\"x y\\\" a", 8, "C:\\dr\\x y\\|a"},
        {"dr \"a b\"c\"\" \"\" d\"e", 8, "dr|a bc||de"},
        {"dr a\\\\b a\\\"b a\\\\\\\"b \"a\\\\\" c\\", 8, "dr|a\\\\b|a\"b|a\\\"b|a\\|c\\"},
        {"dr a b c", 3, "dr|a|b"},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        char* words[8];
        int count = SplitCommandWords(line.data(), words, c.maxWords);
        std::string joined;
        for (int k = 0; k < count; ++k) joined += (k ? "|" : "") + std::string(words[k]);
        EXPECT_EQ(joined, c.words) << "line: " << c.line;
    }
}
