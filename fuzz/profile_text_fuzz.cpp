// Fuzz target on the profile text reader: any text parses without fault, and
// what parses exports to a UTF-8 text that reads back to the same bytes and
// exports to itself.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/text.h"
#include "menus/profile_text.h"

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

void Append(const char* text, size_t length, void* context) { static_cast<std::string*>(context)->append(text, length); }

// The text of a file the parser made; every such file loads, and its text is
// well-formed UTF-8.
std::string Export(const unsigned char* bytes, size_t size)
{
    std::string text;
    Check(!ExportProfileText(bytes, size, "deskrail.fuzz", Append, &text).fatal);
    const unsigned char* at = reinterpret_cast<const unsigned char*>(text.data());
    unsigned long character;
    for (size_t i = 0, length; i < text.size(); i += length)
        Check((length = ReadUtf8(at + i, text.size() - i, character)) != 0);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    char message[400];
    unsigned char* bytes;
    size_t length;
    if (!ProfileFromText(reinterpret_cast<const char*>(data), size, bytes, length, message, sizeof message)) {
        Check(message[0] != '\0');
        return 0;
    }
    std::string text = Export(bytes, length);
    unsigned char* again;
    size_t againLength;
    Check(ProfileFromText(text.data(), text.size(), again, againLength, message, sizeof message));
    Check(againLength == length && (length == 0 || std::memcmp(again, bytes, length) == 0));
    Check(Export(again, againLength) == text);
    delete[] bytes;
    delete[] again;
    return 0;
}
