#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "menus/menu_model.h"
#include "menus/profile_file.h"
#include "model_builders.h"
#include "native_platform.h"
#include "profile_records.h"
#include "shell/bar_state.h"
#include "shell/text.h"

namespace {

using namespace records;
using builders::AddMenu;

void AddEntry(UserMenu* menu, const char* name, int32_t show = 5, int32_t separator = 0, const char* directory = "",
              const char* parameters = "")
{
    ProgramItem* item = CreateProgramItem();
    CopyText(item->name, name);
    FormatTextN(item->path, sizeof item->path, "c:\\bin\\%s.exe", name);
    CopyText(item->workingDirectory, directory);
    CopyText(item->parameters, parameters);
    item->showCommand = show;
    item->separatorBefore = separator;
    AppendProgramItem(menu, item);
}

// Every field of the model, in list order.
std::string Describe()
{
    std::string out;
    for (UserMenu* menu = menuListHead; menu; menu = menu->next) {
        out += std::string(menu->name) + "/" + std::to_string(menu->itemCount) + ":";
        for (ProgramItem* item = menu->items; item; item = item->next)
            out += std::string(item->name) + "|" + item->path + "|" + item->workingDirectory + "|" +
                   item->parameters + "|" + std::to_string(item->showCommand) + "|" +
                   std::to_string(item->separatorBefore) + ";";
    }
    return out;
}

const std::string DEFAULTS =
    "&Apps/2:Visual &C++ v4.0|c:\\vc40\\bin\\msdev.exe|||5|0;&Word v7.0|c:\\winword\\winword.exe|||5|0;"
    "&Games/2:&Minesweeper|C:\\WIN95\\winmine.exe|||5|0;&Solitaire|C:\\WIN95\\sol.exe|||5|0;";
const char OLD_FORMAT[] =
    "Profildatei im alten Datenformat gefunden.\nBitte löschen Sie sie und\n erstellen Sie eine neue.";
const char WRITE_FAILED[] =
    "Profildatei deskrail.test konnte nicht geschrieben werden.\nBitte überprüfen Sie die Datei.";

class ProfileFileTest : public ::testing::Test {
protected:
    std::string dir;
    std::string startDir = std::filesystem::current_path().string();

    void SetUp() override
    {
        char pattern[] = "/tmp/deskrail_profile_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = std::filesystem::canonical(pattern).string();
        CopyText(programDirectory, dir.c_str());
        CopyText(profileFileName, "deskrail.test");
        SetNativeWindowsDirectory("C:\\WIN95");
    }

    void TearDown() override
    {
        FreeAllUserMenus();
        FreeCommandBindings();
        TakeRecordedBoxes();
        SetNativeWindowsDirectory("C:\\WINDOWS");
        std::filesystem::current_path(startDir);
        std::filesystem::remove_all(dir);
    }

    std::string PathOf(const char* name) { return dir + "/" + name; }
    void Write(const Bytes& bytes, const char* name = "deskrail.test")
    {
        std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    Bytes Read(const char* name = "deskrail.test")
    {
        // Bounded, in case a broken save left a device in the file's place.
        Bytes bytes(1 << 20);
        std::ifstream in(PathOf(name), std::ios::binary);
        in.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
        bytes.resize(in.gcount());
        return bytes;
    }
    // Loads the bytes; gives the model and the boxes shown.
    std::string Load(const Bytes& bytes, std::vector<RecordedBox>* boxes = nullptr)
    {
        FreeAllUserMenus();
        Write(bytes);
        EXPECT_EQ(LoadProfile(), 1);
        auto shown = TakeRecordedBoxes();
        if (boxes) *boxes = shown;
        else EXPECT_TRUE(shown.empty()) << shown[0].text;
        return Describe();
    }
};

TEST_F(ProfileFileTest, OneEmptyMenuIsFiftyTwoBytes)
{
    AddMenu("&Apps");
    ASSERT_EQ(SaveProfile(), 1);
    Bytes expected = {0x67, 0, 0, 0, '&', 'A', 'p', 'p', 's'};
    expected.resize(52, 0);
    EXPECT_EQ(Read(), expected);

    // Padding and link words mean nothing to the reader.
    for (size_t at : {34, 35, 40, 45, 51}) expected[at] = 0xA5;
    EXPECT_EQ(Load(expected), "&Apps/0:");
}

TEST_F(ProfileFileTest, MissingOrEmptyFileGivesDefaultMenus)
{
    EXPECT_EQ(LoadProfile(), 1);
    EXPECT_EQ(Describe(), DEFAULTS);
    ASSERT_EQ(SaveProfile(), 1);
    EXPECT_EQ(Read().size(), 1668u);
    EXPECT_EQ(Read(), DefaultMenus("C:\\WIN95"));
    EXPECT_EQ(Load({}), DEFAULTS);

    // The Windows directory comes through a buffer of 80.
    SetNativeWindowsDirectory(std::string(100, 'W'));
    EXPECT_NE(Load({}).find("|" + std::string(79, 'W') + "\\winmine.exe|"), std::string::npos);
}

TEST_F(ProfileFileTest, TextsCountOnlyUpToTheirFirstNul)
{
    Bytes clean = HEADER + MenuRecord("&Apps", 1) + EntryRecord("&Edit", "e.exe", 9, 1, "c:\\dos", "/x");
    Bytes noisy = clean;
    for (size_t at : {10, 29, 4 + 48 + 6, 52 + 128 + 7, 52 + 256 + 3, 52 + 346 + 6, 52 + 375}) noisy[at] = 'X';
    std::string model = Load(clean);
    EXPECT_EQ(Load(noisy), model);
    EXPECT_EQ(ProfileBytes(), clean);

    // A field filled to its width keeps all but its last byte.
    Bytes full = HEADER + MenuRecord("", 0);
    std::fill(full.begin() + 4, full.begin() + 34, 'N');
    EXPECT_EQ(Load(full), std::string(29, 'N') + "/0:");
}

TEST_F(ProfileFileTest, RoundTripKeepsEverythingAndWritesZeroLinks)
{
    UserMenu* tools = AddMenu("&Tools");
    AddEntry(tools, "&Edit", 9, 0, "c:\\dos", "/s datei.txt");
    AddEntry(tools, "&Max", 3, 1);
    AddEntry(tools, "Mi&n", 6, 7);
    AddMenu("&Leer");
    AddEntry(AddMenu("&Tools"), "&Edit", 5, 1);
    // Enough entries that records straddle the reader's blocks.
    UserMenu* many = AddMenu("&Viele");
    for (int k = 0; k < 150; ++k) AddEntry(many, std::to_string(k).c_str(), k, k % 3);
    std::string model = Describe();
    ASSERT_EQ(SaveProfile(), 1);
    Bytes bytes = Read();
    ASSERT_EQ(bytes.size(), 4u + 4 * 48 + 154 * 392);
    for (size_t at = 4; at < bytes.size();) {
        int32_t count = bytes[at + 32];
        EXPECT_EQ(Bytes(bytes.begin() + at + 36, bytes.begin() + at + 48), Bytes(12, 0));
        at += 48;
        for (int32_t k = 0; k < count; ++k, at += 392)
            EXPECT_EQ(Bytes(bytes.begin() + at + 384, bytes.begin() + at + 392), Bytes(8, 0));
    }
    EXPECT_EQ(Load(bytes), model);
}

std::string EntryMissing(int menu, int entry)
{
    return "Fehler beim Lesen des Menüs: " + std::to_string(menu) + " Programm: " + std::to_string(entry) +
           "\naus Profildatei: deskrail.test.\nBitte löschen Sie die Datei und\nstarten Sie Deskrail erneut.";
}

TEST_F(ProfileFileTest, FailureRowsByRow)
{
    Bytes whole = HEADER + MenuRecord("&A", 0) + MenuRecord("&B", 1) + EntryRecord("&x", "x.exe");
    Bytes cutMenu = whole + MenuRecord("&C", 0);
    cutMenu.pop_back();
    // The bytes, the model loaded, and the one fatal message or none. A fatal
    // error leaves no menus and the file as it was.
    const struct { Bytes bytes; std::string model, fatal; } rows[] = {
        {{0x67}, "", OLD_FORMAT}, {{0x67, 0}, "", OLD_FORMAT}, {{0x67, 0, 0}, "", OLD_FORMAT},
        {Bytes{0, 0, 0, 0x67} + MenuRecord("&A", 0), "", OLD_FORMAT},
        {Bytes{0x66, 0, 0, 0} + MenuRecord("&A", 0), "", OLD_FORMAT},
        {HEADER, "", ""},
        {HEADER + MenuRecord("&Neg", -5) + MenuRecord("&B", 0), "&Neg/0:&B/0:", ""},
        {HEADER + MenuRecord("&Neg", INT_MIN), "&Neg/0:", ""},
        {cutMenu, "&A/0:&B/1:&x|x.exe|||5|0;", ""},  // the menus before it, silently
        {HEADER + MenuRecord("&A", 1) + EntryRecord("&a", "a.exe") + MenuRecord("&B", 3) + EntryRecord("&b", "b.exe") +
             EntryRecord("&c", "c.exe") + Bytes(391, 0),
         "", EntryMissing(2, 3)},
        {HEADER + MenuRecord("&A", 2), "", EntryMissing(1, 1)},
    };
    for (const auto& row : rows) {
        std::vector<RecordedBox> boxes;
        EXPECT_EQ(Load(row.bytes, row.fatal.empty() ? nullptr : &boxes), row.model) << row.fatal;
        if (row.fatal.empty()) continue;
        ASSERT_EQ(boxes.size(), 1u) << row.fatal;
        EXPECT_TRUE(boxes[0].fatal);
        EXPECT_EQ(boxes[0].text, row.fatal);
        EXPECT_EQ(Read(), row.bytes);
        EXPECT_EQ(menuListHead, nullptr);
    }
    // What loaded from the cut menu record saves without it.
    Load(cutMenu);
    ASSERT_EQ(SaveProfile(), 1);
    EXPECT_EQ(Read(), whole);
}

TEST_F(ProfileFileTest, FilesLieInTheProgramDirectory)
{
    Write(HEADER + MenuRecord("&Hier", 0));
    ASSERT_EQ(chdir("/"), 0);
    LoadProfile();
    EXPECT_EQ(Describe(), "&Hier/0:");
    EXPECT_EQ(std::filesystem::current_path().string(), dir);

    profileFileName[0] = '\0';
    ASSERT_EQ(chdir("/"), 0);
    ASSERT_EQ(SaveProfile(), 1);
    EXPECT_EQ(Read("default.dr"), HEADER + MenuRecord("&Hier", 0));
    EXPECT_EQ(std::filesystem::current_path().string(), dir);
}

TEST_F(ProfileFileTest, FailedSaveKeepsTheOldFileAndWarns)
{
    const Bytes old = HEADER + MenuRecord("&Alt", 0);
    const std::string temp = PathOf("deskrail.test.tmp");
    auto expectFailure = [&](const char* what) {
        Write(old);
        EXPECT_EQ(SaveProfile(), 0) << what;
        auto boxes = TakeRecordedBoxes();
        ASSERT_EQ(boxes.size(), 1u) << what;
        EXPECT_FALSE(boxes[0].fatal);
        EXPECT_EQ(boxes[0].text, WRITE_FAILED) << what;
        EXPECT_EQ(Read(), old) << what;
    };
    AddMenu("&Neu");
    ASSERT_EQ(mkdir(temp.c_str(), 0700), 0);
    expectFailure("temporary file cannot be opened");
    ASSERT_EQ(rmdir(temp.c_str()), 0);

    // A full disk: once at the close for a small profile, in a write for a big one.
    struct stat status;
    for (int menus : {0, 20}) {
        for (int m = 0; m < menus; ++m)
            for (int k = 0; k < 10; ++k) AddEntry(menuListHead, "&Fill");
        ASSERT_EQ(symlink("/dev/full", temp.c_str()), 0);
        expectFailure(menus ? "write fails" : "close fails");
        EXPECT_NE(lstat(temp.c_str(), &status), 0);
    }

    ASSERT_EQ(SaveProfile(), 1);
    EXPECT_EQ(Read().size(), 4u + 48 + 200 * 392);
    EXPECT_NE(lstat(temp.c_str(), &status), 0);
}

}  // namespace
