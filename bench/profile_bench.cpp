// profile_bench: loading and saving a profile of 100 menus with 99 entries
// each, against a plain read and write of the same bytes.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "menus/menu_model.h"
#include "menus/profile_file.h"
#include "base/text.h"

namespace {

const int MENUS = 100;
const int ENTRIES = 99;
const int ROUNDS = 41;
MenuList menus;
bool keepOldFile;

void BuildModel()
{
    for (int m = 1; m <= MENUS; ++m) {
        UserMenu* menu = CreateUserMenu();
        FormatTextN(menu->name, sizeof menu->name, "&Menu %d", m);
        AppendUserMenu(menus, menu);
        ProgramItem* last = nullptr;
        for (int k = 1; k <= ENTRIES; ++k) {
            ProgramItem* item = CreateProgramItem();
            FormatTextN(item->name, sizeof item->name, "Programm &%d.%d", m, k);
            FormatTextN(item->path, sizeof item->path, "c:\\programme\\gruppe%d\\werkzeug%d.exe", m, k);
            FormatTextN(item->workingDirectory, sizeof item->workingDirectory, "c:\\programme\\gruppe%d", m);
            FormatTextN(item->parameters, sizeof item->parameters, "/datei:%d.txt", k);
            item->showCommand = 9;
            item->separatorBefore = k % 10 == 0;
            // Linked by hand: appending walks the chain.
            item->prev = last;
            if (last) last->next = item;
            else menu->items = item;
            last = item;
            menu->itemCount++;
        }
    }
}

std::vector<unsigned char> Encoded()
{
    size_t size = 0;
    unsigned char* bytes = EncodeProfile(menus, size);
    if (!bytes) std::abort();
    std::vector<unsigned char> encoded(bytes, bytes + size);
    delete[] bytes;
    return encoded;
}

template <class Work, class Prepare>
double MedianMilliseconds(Work work, Prepare prepare)
{
    std::vector<double> times;
    for (int round = 0; round < ROUNDS; ++round) {
        prepare();
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <class Work>
double MedianMilliseconds(Work work)
{
    return MedianMilliseconds(work, [] {});
}

}  // namespace

int main()
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "deskrail_profile_bench";
    std::filesystem::create_directories(dir);
    const std::string directory = dir.string();
    const ProfilePlace place = {directory.c_str(), "deskrail.bench"};
    const std::string profilePath = (dir / "deskrail.bench").string();

    BuildModel();
    if (!SaveProfile(menus, place, keepOldFile)) return 1;
    std::vector<unsigned char> bytes = Encoded();
    std::vector<unsigned char> buffer(bytes.size());

    double plainRead = MedianMilliseconds([&] {
        std::FILE* file = std::fopen(profilePath.c_str(), "rb");
        if (!file || std::fread(buffer.data(), 1, buffer.size(), file) != buffer.size()) std::abort();
        std::fclose(file);
    });
    double plainWrite = MedianMilliseconds([&] {
        std::FILE* file = std::fopen(profilePath.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) std::abort();
        if (std::fclose(file) != 0) std::abort();
    });
    double save = MedianMilliseconds([&place] {
        if (!SaveProfile(menus, place, keepOldFile)) std::abort();
    });
    FreeAllUserMenus(menus);
    bool same = true;
    double load = MedianMilliseconds([&same, &place] { same = !LoadProfile(menus, place).fatal && same; }, [] { FreeAllUserMenus(menus); });
    same = same && Encoded() == bytes;
    // How much of the load is building the records rather than reading.
    double decode = MedianMilliseconds([&] { LoadProfileBytes(menus, bytes.data(), bytes.size(), "deskrail.bench"); },
                                       [] { FreeAllUserMenus(menus); });
    FreeAllUserMenus(menus);
    std::filesystem::remove_all(dir);

    std::printf("profile of %d menus x %d entries, %zu bytes, median of %d rounds\n", MENUS, ENTRIES, bytes.size(),
                ROUNDS);
    std::printf("%-6s %12s %12s %7s\n", "", "profile ms", "plain ms", "ratio");
    std::printf("%-6s %12.3f %12.3f %7.2f\n", "load", load, plainRead, load / plainRead);
    std::printf("%-6s %12.3f %12.3f %7.2f\n", "save", save, plainWrite, save / plainWrite);
    std::printf("of the load, building the records from memory: %.3f ms\n", decode);
    return same ? 0 : 1;
}
