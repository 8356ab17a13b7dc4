// profile_tool.cpp: deskrail-profile's verbs and exit codes.
#include "menus/profile_tool.h"

#include <cstring>

#include "base/platform.h"
#include "base/text.h"
#include "base/texts.h"

namespace {

int Failed(ToolMessage fail, const char* format, const char* path)
{
    char message[400];
    FormatTextN(message, sizeof message, format, path);
    fail(message);
    return 1;
}

int Export(const char* path, const unsigned char* data, size_t size, TextSink out, ToolMessage fail)
{
    ProfileLoad load = ExportProfileText(data, size, path, out, nullptr);
    if (!load.fatal) return 0;
    fail(load.message);
    return 1;
}

int Import(const unsigned char* data, size_t size, const char* path, ToolMessage fail)
{
    char message[400];
    if (ImportProfileText(reinterpret_cast<const char*>(data), size, path, message, sizeof message)) return 0;
    fail(message);
    return 1;
}

}  // namespace

int RunProfileTool(int argc, const char* const* argv, TextSink out, ToolMessage fail)
{
    const bool exporting = argc == 3 && std::strcmp(argv[1], "export") == 0;
    const bool importing = argc == 4 && std::strcmp(argv[1], "import") == 0;
    if (!exporting && !importing) {
        fail(PROFILE_TOOL_USAGE_TEXT);
        return 2;
    }
    // A profile written over its own text would leave the user neither.
    if (importing && IsSameFile(argv[2], argv[3])) return Failed(fail, PROFILE_TOOL_SAME_FILE_FORMAT, argv[2]);
    unsigned char* data = nullptr;
    size_t size = 0;
    if (ReadWholeFile(argv[2], data, size) != FILE_READ) return Failed(fail, PROFILE_TOOL_READ_FAILED_FORMAT, argv[2]);
    int code = exporting ? Export(argv[2], data, size, out, fail) : Import(data, size, argv[3], fail);
    delete[] data;
    return code;
}
