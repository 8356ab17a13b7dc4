// The profile file: every field and break as the corpus writer put it (the fuzzer
// checks load, save and the text form of any bytes), the default menus, the text
// form as a person writes it, and the file in the program directory.
#include <gtest/gtest.h>


#include <filesystem>

#include "base/platform.h"
#include "base/texts.h"
#include "menus/profile_text.h"
#include "native_platform.h"

namespace {
const std::filesystem::path CORPUS = PROFILE_CORPUS;

// The bytes a text gives; a bad one gives none, and its line and fault in message.
Bytes FromText(const std::string& text, char (&message)[400])
{
    unsigned char* data = nullptr;
    size_t size = 0;
    ProfileFromText(text.data(), text.size(), data, size, message, sizeof message);
    Bytes bytes(data, data + size);
    delete[] data;
    return bytes;
}

struct Profile : ::testing::Test {
    char message[400] = "";
    TestMenus menus;
    ProfileLoad Load(const Bytes& bytes) { return FreeAllUserMenus(menus), LoadProfileBytes(menus, bytes.data(), bytes.size(), "deskrail.test"); }
};
}  // namespace

TEST_F(Profile, EveryFieldAndEveryBreakReadsAsThePythonWriterPutIt)
{
    // Up to its first NUL; a field without one loses its last byte; numbers are little-endian. A broken
    // file leaves no menus and gives its message.
    const std::string n(29, 'n'), p(127, 'p'), d(127, 'd'), q(89, 'q'),
        old = "Profildatei im alten Datenformat gefunden.\nBitte l\xf6schen Sie sie und\n erstellen Sie eine neue.";
    const std::pair<const char*, std::string> files[] = {
        {"edited", "&Tools/2:&Edit|c:\\dos\\edit.com|c:\\dos|/s|9|0;&Max|max.exe|||3|1;&Leer/0:&Neg/0:"},
        {"fields", "&Felder/2:&Name|c:\\bin\\x.exe|c:\\w|-p \xe4|305419896|1;" + n + "|" + p + "|" + d + "|" + q +
                       "|-3|0;" + std::string(29, 'M') + "/0:"},
        {"short_header", old}, {"old_format", old},
        {"cut_entry", "Fehler beim Lesen des Men\xfcs: 1 Programm: 2\naus Profildatei: deskrail.test.\n"
                      "Bitte l\xf6schen Sie die Datei und\nstarten Sie Deskrail erneut."}};
    for (const auto& [file, read] : files) {
        ProfileLoad load = Load(ReadBytes(CORPUS / file));
        EXPECT_EQ(read, load.fatal ? load.message + std::string(menus.menuListHead ? " (and menus)" : "") : Describe(menus)) << file;
    }
    Load({});
    EXPECT_EQ(ReadBytes(CORPUS / "default_menus"), Encoded(menus)) << "the default menus, as the writer puts them for C:\\WINDOWS";
}

TEST_F(Profile, TextReadsAsAPersonWritesItAndABadOneNamesItsLine)
{
    // UTF-8 with an editor's mark, an escape for a byte with no character, an older editor's code page 1252.
    const Bytes bytes = FromText("\xEF\xBB\xBF# by hand\r\ndeskrail-profile 103\r\n\r\nmenu \"&Zubeh\xC3\xB6r \xE2\x82\xAC\\x81\"\r\n"
                                 "\tentry \"\\x22Edit\\x22\"\r\n\t\tpath \"c:\\xtree\\x5cx41\\\xFC\"\r\n", message);
    ASSERT_FALSE(Load(bytes).fatal) << message;
    EXPECT_EQ(Formatted("&Zubeh\xF6r \x80\x81/1:\"Edit\"|c:\\xtree\\x41\\\xFC|||%d|0;", SHOW_COMMAND_DEFAULT), Describe(menus));
    std::string text;  // exported in UTF-8, the byte with no character escaped
    ExportProfileText(bytes.data(), bytes.size(), "deskrail.test", [](const char* piece, size_t n, void* out) { static_cast<std::string*>(out)->append(piece, n); }, &text);
    EXPECT_NE(std::string::npos, text.find("menu \"&Zubeh\xC3\xB6r \xE2\x82\xAC\\x81\"\n")) << text;
    char terminal[40];
    Cp1252ToUtf8(terminal, sizeof terminal, "Zeile 2: \xFC\x80\x81");
    EXPECT_STREQ("Zeile 2: \xC3\xBC\xE2\x82\xAC\x81", terminal);

    const std::string menu = "deskrail-profile 103\nmenu \"&A\"\n";
    const std::pair<std::string, int> cases[] = {
        {"# by hand\n\ndeskrail-profile 102\n", 3}, {"deskrail-profile 103\n  path \"a.exe\"\n", 2},
        {"deskrail-profile 103\nmenu \"" + std::string(MENU_NAME_SIZE + 1, 'n') + "\"\n", 2},
        {"deskrail-profile 103\ntail \"" + std::string(MENU_RECORD_SIZE, 't') + "\"\n", 2},
        {menu + "  entry \"open\n", 3}, {menu + "  colour 3\n", 3}, {menu + "  count 2\n", 3},
        {menu + "  noise 48 \"x\"\n", 3}, {menu + "  entry \"x\"\n    show 2147483648\n", 4},
        {menu + "  entry \"\xC5\x81\"\n", 3},
    };
    for (const auto& [bad, line] : cases) {
        EXPECT_EQ(Bytes(), FromText(bad, message)) << bad;
        EXPECT_EQ(0u, std::string(message).rfind(Formatted(PROFILE_TEXT_LINE_FORMAT, line, ""), 0)) << message;
    }
    EXPECT_NE(std::string::npos, std::string(message).find("U+0141")) << "the character CP1252 lacks";
}

TEST_F(Profile, TheFileInTheProgramDirectoryIsKeptAsBakAtTheFirstSaveAfterACutLoad)
{
    char dir[] = "/tmp/deskrail_unit_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir));
    const std::string file = std::string(dir) + "/deskrail.test";
    const ProfilePlace place = {dir, "deskrail.test"};
    Load({});
    const Bytes whole = Encoded(menus);
    // Bytes no record takes are dropped by the load, so the first save of the
    // run keeps the old file beside it; a later save leaves that copy alone.
    Bytes cut = whole;
    cut.insert(cut.end(), MENU_RECORD_SIZE - 1, 'x');
    ASSERT_EQ(1, ReplaceFileWith(file.c_str(), cut.data(), cut.size()));
    FreeAllUserMenus(menus);
    ASSERT_EQ(0, chdir("/"));
    ProfileLoad load = LoadProfile(menus, place);
    EXPECT_FALSE(load.fatal);
    ASSERT_EQ(1, SaveProfile(menus, place, load.tailDropped));
    ASSERT_EQ(1, SaveProfile(menus, place, load.tailDropped));
    EXPECT_EQ(whole, ReadBytes(file));
    EXPECT_EQ(cut, ReadBytes(file + ".bak"));
    std::filesystem::remove_all(dir);
}
