// Fuzz target on the profile reader: any input loads without fault, leaves a
// whole model (or none after a fatal end), what loads saves to the canonical
// form of the input, worked out here apart from the reader, and exports to a
// text that reads back to those bytes without touching the loaded menus.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/text.h"
#include "menus/profile_file.h"
#include "menus/profile_text.h"
#include "native_platform.h"

namespace {

// A text field: up to its first NUL, at most width - 1 bytes, zeros after.
void PutField(Bytes& out, const uint8_t* at, size_t width)
{
    size_t length = 0;
    while (length < width - 1 && at[length]) ++length;
    out.insert(out.end(), at, at + length);
    out.insert(out.end(), width - length, 0);
}

// Canonical: the header, whole menu records each with its count of entries
// (none for a negative count), unused bytes zero; a short tail dropped.
Bytes Canonical(const uint8_t* data, size_t size)
{
    Bytes out(data, data + 4);
    for (size_t at = 4; at + 48 <= size;) {
        const uint8_t* menu = data + at;
        int32_t count = static_cast<int32_t>(menu[32] | menu[33] << 8 | menu[34] << 16 | static_cast<uint32_t>(menu[35]) << 24);
        PutField(out, menu, 30);
        out.insert(out.end(), 2, 0);
        count = count < 0 ? 0 : count;
        out.insert(out.end(), {uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24)});
        out.insert(out.end(), 12, 0);
        at += 48;
        for (int32_t k = 0; k < count; ++k, at += 392) {
            const uint8_t* entry = data + at;
            const size_t fields[][2] = {{0, 128}, {128, 128}, {256, 90}, {346, 30}};  // path, folder, parameters, name
            for (const auto& field : fields) PutField(out, entry + field[0], field[1]);
            out.insert(out.end(), entry + 376, entry + 384);
            out.insert(out.end(), 8, 0);
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MenuList menus = {};
    ProfileLoad load = LoadProfileBytes(menus, data, size, "deskrail.fuzz");
    if (load.fatal ? menus.menuListHead != nullptr || !load.message[0] : load.message[0] != '\0') std::abort();
    if (!ModelBreach(menus).empty()) std::abort();
    // An empty file gives the default menus, which have no input to compare with.
    if (!load.fatal && size > 0) {
        const Bytes saved = Encoded(menus);
        const std::string model = Describe(menus);
        std::string text;
        unsigned char* bytes = nullptr;
        size_t length = 0;
        char message[400];
        ExportProfileText(data, size, "deskrail.fuzz", [](const char* piece, size_t n, void* out) { static_cast<std::string*>(out)->append(piece, n); }, &text);
        if (saved != Canonical(data, size) || Describe(menus) != model ||
            !ProfileFromText(text.data(), text.size(), bytes, length, message, sizeof message) || Bytes(bytes, bytes + length) != Bytes(data, data + size))
            std::abort();
        delete[] bytes;
    }
    FreeAllUserMenus(menus);
    return 0;
}
