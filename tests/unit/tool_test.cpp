// deskrail-profile's command line: both verbs, their exit codes, and that it never writes over its input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "menus/profile_tool.h"
#include "native_platform.h"

namespace {
std::string said;  // standard output and messages ("! "), in order
void Say(const char* message) { said += std::string("! ") + message; }
void Out(const char* text, size_t length, void*) { said.append(text, length); }
}  // namespace

TEST(Tool, BothVerbsGiveTheirExitCodesAndNeverWriteOverTheirInput)
{
    char folder[] = "/tmp/toolXXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string dir = folder, text = "deskrail-profile 103\nmenu \"A\"\n  entry \"b\"\n    path \"c\"\n"
        "    directory \"d\"\n    parameters \"\"\n    show 3\n    separator-before no\n";
    const auto path = [&](std::string s) { return std::regex_replace(s, std::regex("%"), dir + "/"); };
    std::ofstream(dir + "/t") << text;
    std::ofstream(dir + "/bad") << "kaputt\n";
    const std::string usage = "! Aufruf: deskrail-profile export PROFILDATEI\n        deskrail-profile import TEXTDATEI PROFILDATEI";
    // In order, on the same files: the arguments; the exit code; what was said.
    const struct { std::vector<std::string> arguments; int code; std::string said; } runs[] = {
        {{"import", "%t", "%p"}, 0, ""},
        {{"export", "%p"}, 0, text},
        {{"import", "%t", "%t"}, 1, "! Text und Profil sind dieselbe Datei: %t"},
        {{"import", "%t", "%./t"}, 1, "! Text und Profil sind dieselbe Datei: %t"},
        {{"import", "%bad", "%p"}, 1, "! Zeile 1: Erwartet wird \"deskrail-profile 103\" oder \"deskrail-profile empty\"."},
        {{"export", "%none"}, 1, "! Datei %none konnte nicht gelesen werden."},
        {{"import", "%none", "%p"}, 1, "! Datei %none konnte nicht gelesen werden."},
        {{"export"}, 2, usage}, {{"import", "%t"}, 2, usage}, {{"export", "%p", "%q"}, 2, usage}, {{"list", "%p"}, 2, usage}};
    Bytes profile;
    for (const auto& r : runs) {
        SCOPED_TRACE(&r - runs);
        std::vector<std::string> arguments{"deskrail-profile"};
        std::vector<const char*> argv;
        for (const std::string& a : r.arguments) arguments.push_back(path(a));
        for (const std::string& a : arguments) argv.push_back(a.c_str());
        said.clear();
        EXPECT_EQ(r.code, RunProfileTool(static_cast<int>(argv.size()), argv.data(), Out, Say));
        EXPECT_EQ(path(r.said), said);
        if (profile.empty()) profile = ReadBytes(dir + "/p");
        EXPECT_EQ(Bytes(text.begin(), text.end()), ReadBytes(dir + "/t"));
        EXPECT_EQ(profile, ReadBytes(dir + "/p"));
        EXPECT_FALSE(std::filesystem::exists(dir + "/q"));
    }
    std::filesystem::remove_all(dir);
}
