// The profile file as text: export then import gives every loadable file back
// byte for byte; a bad text names its line and writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "base/texts.h"
#include "menus/menu_model.h"
#include "menus/profile_text.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const unsigned char* Bytes(const std::string& bytes) { return reinterpret_cast<const unsigned char*>(bytes.data()); }

void Append(const char* text, size_t length, void* context) { static_cast<std::string*>(context)->append(text, length); }

struct ProfileTextTest : testing::Test {
    fs::path file = fs::path(testing::TempDir()) / "profile_text.dr";
    char message[400] = "";
    void TearDown() override { fs::remove(file); }
    bool Import(const std::string& text) { return ImportProfileText(text.data(), text.size(), file.c_str(), message, sizeof message); }
};

TEST_F(ProfileTextTest, ExportThenImportGivesEveryLoadableFileBack)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const fs::directory_entry& seed : fs::directory_iterator(fs::path(__FILE__).parent_path() / "../../fuzz/corpus/profile_fuzz"))
        files.emplace_back(seed.path().filename(), ReadBytes(seed.path()));
    LoadProfileBytes(nullptr, 0);
    size_t size = 0;
    unsigned char* defaults = EncodeProfile(size);
    FreeAllUserMenus();
    files.emplace_back("default menus", std::string(reinterpret_cast<char*>(defaults), size));
    delete[] defaults;
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        std::string loadMessage = LoadProfileBytes(Bytes(bytes), bytes.size()).message;
        FreeAllUserMenus();
        std::string text;
        ProfileLoad load = ExportProfileText(Bytes(bytes), bytes.size(), Append, &text);
        EXPECT_EQ(load.message, loadMessage);
        EXPECT_TRUE(text.empty() || !load.fatal) << text;
        if (load.fatal) continue;
        ASSERT_TRUE(Import(text)) << message;
        EXPECT_EQ(ReadBytes(file), bytes) << text;
        // What the program writes reads as it is: no escapes, no noise.
        bool plain = text.find("\\x") == text.npos && text.find("noise") == text.npos;
        EXPECT_TRUE(plain || name != "default menus") << text;
    }
    EXPECT_GT(files.size(), 5u);
}

TEST_F(ProfileTextTest, ReadsATextAsAPersonWritesIt)
{
    ASSERT_TRUE(Import("# by hand\r\ndeskrail-profile 103\r\n\r\nmenu \"&Zubeh\xF6r\"\r\n"
                       "\tentry \"\\x22Edit\\x22\"\r\n\t\tpath \"c:\\xtree\\x5cx41\\\"\r\n")) << message;
    std::string bytes = ReadBytes(file);
    ASSERT_FALSE(LoadProfileBytes(Bytes(bytes), bytes.size()).fatal);
    const ProgramItem* item = menuListHead ? menuListHead->items : nullptr;
    ASSERT_TRUE(item);
    EXPECT_STREQ(menuListHead->name, "&Zubeh\xF6r");
    EXPECT_STREQ(item->name, "\"Edit\"");
    EXPECT_STREQ(item->path, "c:\\xtree\\x41\\");
    EXPECT_EQ(item->showCommand, SHOW_COMMAND_DEFAULT);
    FreeAllUserMenus();
    std::string text;
    ExportProfileText(Bytes(bytes), bytes.size(), Append, &text);
    ASSERT_TRUE(Import(text)) << message;
    EXPECT_EQ(ReadBytes(file), bytes) << text;
}

TEST_F(ProfileTextTest, ABadTextNamesItsLineAndWritesNothing)
{
    const std::string menu = "deskrail-profile 103\nmenu \"&A\"\n";
    const std::pair<std::string, int> cases[] = {
        {"", 1}, {"# by hand\n\ndeskrail-profile 102\n", 3}, {"deskrail-profile 103\n  path \"a.exe\"\n", 2},
        {"deskrail-profile empty\nmenu \"&A\"\n", 2},
        {"deskrail-profile 103\nmenu \"" + std::string(MENU_NAME_SIZE + 1, 'n') + "\"\n", 2},
        {"deskrail-profile 103\ntail \"" + std::string(MENU_RECORD_SIZE, 't') + "\"\n", 2},
        {menu + "  entry \"open\n", 3}, {menu + "  entry \"x\" y\n", 3}, {menu + "  colour 3\n", 3},
        {menu + "  count 2\n", 3}, {menu + "  count -1\n  entry \"x\"\n", 4}, {menu + "  noise 48 \"x\"\n", 3},
        {menu + "  entry \"x\"\n    show 2147483648\n", 4}, {menu + "  entry \"x\"\n    separator-before maybe\n", 4},
    };
    for (const auto& [text, line] : cases) {
        SCOPED_TRACE(text);
        std::ofstream(file, std::ios::binary) << "old";
        char prefix[40];
        FormatTextN(prefix, sizeof prefix, PROFILE_TEXT_LINE_FORMAT, line, "");
        EXPECT_FALSE(Import(text));
        EXPECT_EQ(std::string(message).rfind(prefix, 0), 0u) << message;
        EXPECT_EQ(ReadBytes(file), "old");
    }
}

}  // namespace
