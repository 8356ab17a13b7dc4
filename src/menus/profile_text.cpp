#include "menus/profile_text.h"

#include <cstdint>
#include <cstring>
#include <new>

#include "base/platform.h"
#include "base/text.h"
#include "base/texts.h"
#include "menus/menu_model.h"

namespace {

enum FieldKind { TEXT_FIELD, NUMBER_FIELD, FLAG_FIELD, COUNT_FIELD };
enum OpenRecord { NO_RECORD, MENU_RECORD, ENTRY_RECORD };

// One line per field, in the order export writes them; a record's first
// field, its name, starts the record.
struct Field {
    const char* keyword;
    OpenRecord record;
    FieldKind kind;
    int at;
    int width;
    const char* indent;
};

const Field FIELDS[] = {
    {"menu", MENU_RECORD, TEXT_FIELD, MENU_NAME_AT, MENU_NAME_SIZE, ""},
    {"count", MENU_RECORD, COUNT_FIELD, MENU_COUNT_AT, 4, "  "},
    {"entry", ENTRY_RECORD, TEXT_FIELD, ENTRY_NAME_AT, ITEM_NAME_SIZE, "  "},
    {"path", ENTRY_RECORD, TEXT_FIELD, ENTRY_PATH_AT, ITEM_PATH_SIZE, "    "},
    {"directory", ENTRY_RECORD, TEXT_FIELD, ENTRY_DIRECTORY_AT, ITEM_DIRECTORY_SIZE, "    "},
    {"parameters", ENTRY_RECORD, TEXT_FIELD, ENTRY_PARAMETERS_AT, ITEM_PARAMETERS_SIZE, "    "},
    {"show", ENTRY_RECORD, NUMBER_FIELD, ENTRY_SHOW_AT, 4, "    "},
    {"separator-before", ENTRY_RECORD, FLAG_FIELD, ENTRY_SEPARATOR_AT, 4, "    "},
};
const Field* const MENU_FIELD = &FIELDS[0];
const Field* const ENTRY_FIELD = &FIELDS[2];

size_t RecordSize(OpenRecord record) { return record == ENTRY_RECORD ? ENTRY_RECORD_SIZE : MENU_RECORD_SIZE; }

bool IsHex(unsigned char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

int HexValue(unsigned char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

// --- Export ---

struct Writer {
    TextSink sink;
    void* context;

    void Put(const char* text) const { sink(text, std::strlen(text), context); }

    void PutNumber(long value) const
    {
        char number[16];
        FormatTextN(number, sizeof number, "%ld", value);
        Put(number);
    }

    // Characters go out in UTF-8, so any editor shows them; \xHH takes
    // control bytes, bytes with no character, the invisible no-break space
    // and soft hyphen, the quote, and a backslash that would read as the
    // start of an escape.
    void PutQuoted(const unsigned char* bytes, size_t length) const
    {
        Put("\"");
        for (size_t i = 0; i < length; ++i) {
            unsigned char c = bytes[i];
            bool escapeLike = c == '\\' && length - i > 3 && bytes[i + 1] == 'x' && IsHex(bytes[i + 2]) &&
                              IsHex(bytes[i + 3]);
            long character = Cp1252Character(c);
            char piece[5] = {};
            if (c < 0x20 || c == 0x7F || c == '"' || escapeLike || character < 0 || c == 0xA0 || c == 0xAD)
                FormatTextN(piece, sizeof piece, "\\x%02X", c);
            else
                PutUtf8(static_cast<unsigned long>(character), piece);
            Put(piece);
        }
        Put("\"");
    }
};

void ExportRecord(const Writer& out, const unsigned char* raw, OpenRecord record)
{
    // The record as its fields alone would write it; what differs is what the
    // program ignores: bytes behind a text's NUL, padding, links.
    unsigned char plain[ENTRY_RECORD_SIZE] = {};
    for (const Field& field : FIELDS) {
        if (field.record != record) continue;
        const unsigned char* at = raw + field.at;
        size_t length = field.kind == TEXT_FIELD ? TextLengthN(reinterpret_cast<const char*>(at), field.width) : 4;
        std::memcpy(plain + field.at, at, length);
        int32_t value = field.kind == TEXT_FIELD ? 0 : GetInt32(at);
        if (field.kind == COUNT_FIELD && value >= 0) continue;  // the entries count themselves
        out.Put(field.indent);
        out.Put(field.keyword);
        out.Put(" ");
        if (field.kind == TEXT_FIELD) out.PutQuoted(at, length);
        else if (field.kind == FLAG_FIELD && (value == 0 || value == 1)) out.Put(value ? "yes" : "no");
        else out.PutNumber(value);
        out.Put("\n");
    }
    size_t size = RecordSize(record);
    for (size_t at = 0, end; at < size; at = end + 1) {
        for (end = at; end < size && raw[end] != plain[end]; ++end) {}
        if (end == at) continue;
        out.Put(record == ENTRY_RECORD ? "    noise " : "  noise ");
        out.PutNumber(static_cast<long>(at));
        out.Put(" ");
        out.PutQuoted(raw + at, end - at);
        out.Put("\n");
    }
}

// --- Import ---

enum Stage { BEFORE_HEADER, IN_MENUS, FINISHED };

// The text is read twice: to check and measure it (out null; the fields land
// in scratch), then to fill out.
struct Parser {
    const char* at;   // in the current line
    const char* end;  // the line's end, without CR LF
    int line;
    Stage stage;
    unsigned char* out;
    size_t size;
    OpenRecord open;
    size_t recordAt;
    size_t menuAt;
    int32_t entries;
    int32_t count;    // negative when the text gave one
    unsigned char scratch[ENTRY_RECORD_SIZE];
    char* message;
    size_t messageSize;
};

bool Fail(Parser& p, const char* reason)
{
    FormatTextN(p.message, p.messageSize, PROFILE_TEXT_LINE_FORMAT, p.line, reason);
    return false;
}

unsigned char* RecordAt(Parser& p, size_t at) { return p.out ? p.out + at : p.scratch; }

void Emit(Parser& p, const unsigned char* bytes, size_t count)
{
    if (p.out) std::memcpy(p.out + p.size, bytes, count);
    p.size += count;
}

// A menu's count is the number of its entries unless the text gave one.
void PutCount(Parser& p) { PutInt32(RecordAt(p, p.menuAt) + MENU_COUNT_AT, p.count < 0 ? p.count : p.entries); }

void SkipBlanks(Parser& p)
{
    while (p.at < p.end && (*p.at == ' ' || *p.at == '\t')) ++p.at;
}

size_t ReadWord(Parser& p, const char*& word)
{
    SkipBlanks(p);
    word = p.at;
    while (p.at < p.end && *p.at != ' ' && *p.at != '\t') ++p.at;
    return static_cast<size_t>(p.at - word);
}

bool IsWord(const char* word, size_t length, const char* expected)
{
    return std::strlen(expected) == length && std::memcmp(word, expected, length) == 0;
}

bool AtLineEnd(Parser& p)
{
    SkipBlanks(p);
    return p.at == p.end;
}

bool ParseNumber(const char* word, size_t length, int32_t& value)
{
    size_t i = length > 0 && word[0] == '-';
    if (i == length) return false;
    int64_t magnitude = 0;
    for (; i < length; ++i) {
        if (word[i] < '0' || word[i] > '9') return false;
        magnitude = magnitude * 10 + (word[i] - '0');
        if (magnitude > INT64_C(2147483647) + (word[0] == '-')) return false;
    }
    value = static_cast<int32_t>(word[0] == '-' ? -magnitude : magnitude);
    return true;
}

// A quoted text, the line's last item, into at most capacity bytes.
bool ReadQuoted(Parser& p, unsigned char* bytes, size_t capacity, size_t& length)
{
    SkipBlanks(p);
    if (p.at == p.end || *p.at++ != '"') return Fail(p, PROFILE_TEXT_VALUE_TEXT);
    for (length = 0;; ++length) {
        if (p.at == p.end) return Fail(p, PROFILE_TEXT_VALUE_TEXT);
        unsigned char c = *p.at++;
        if (c == '"') return AtLineEnd(p) || Fail(p, PROFILE_TEXT_VALUE_TEXT);
        unsigned long character;
        size_t sequence = c < 0x80 ? 0 : ReadUtf8(reinterpret_cast<const unsigned char*>(p.at - 1), p.end - p.at + 1, character);
        if (c == '\\' && p.end - p.at >= 3 && p.at[0] == 'x' && IsHex(p.at[1]) && IsHex(p.at[2])) {
            c = static_cast<unsigned char>(HexValue(p.at[1]) * 16 + HexValue(p.at[2]));
            p.at += 3;
        } else if (sequence) {
            int byte = Cp1252Byte(character);
            if (byte < 0) {
                char code[12], reason[80];
                FormatTextN(code, sizeof code, "%04lX", character);
                FormatTextN(reason, sizeof reason, PROFILE_TEXT_CHARACTER_FORMAT, code);
                return Fail(p, reason);
            }
            c = static_cast<unsigned char>(byte);
            p.at += sequence - 1;
        }
        // Any other byte from 0x80 up is read as code page 1252, as an older
        // editor saves it.
        if (length == capacity) {
            char reason[80];
            FormatTextN(reason, sizeof reason, PROFILE_TEXT_TOO_LONG_FORMAT, static_cast<int>(capacity));
            return Fail(p, reason);
        }
        bytes[length] = c;
    }
}

void StartRecord(Parser& p, const Field* field)
{
    p.open = field->record;
    p.recordAt = p.size;
    p.size += RecordSize(p.open);
    unsigned char* record = RecordAt(p, p.recordAt);
    std::memset(record, 0, RecordSize(p.open));
    if (field == MENU_FIELD) {
        p.menuAt = p.recordAt;
        p.entries = p.count = 0;
        return;
    }
    PutInt32(record + ENTRY_SHOW_AT, SHOW_COMMAND_DEFAULT);
    ++p.entries;
    PutCount(p);
}

bool ReadField(Parser& p, const Field* field)
{
    if (field == ENTRY_FIELD && p.open == NO_RECORD) return Fail(p, PROFILE_TEXT_PLACE_TEXT);
    if (field == ENTRY_FIELD && p.count < 0) return Fail(p, PROFILE_TEXT_COUNT_TEXT);
    if (field == MENU_FIELD || field == ENTRY_FIELD) StartRecord(p, field);
    if (p.open != field->record) return Fail(p, PROFILE_TEXT_PLACE_TEXT);
    unsigned char* at = RecordAt(p, p.recordAt) + field->at;
    size_t length;
    if (field->kind == TEXT_FIELD) {
        std::memset(at, 0, field->width);
        return ReadQuoted(p, at, field->width, length);
    }
    const char* word;
    size_t wordLength = ReadWord(p, word);
    int32_t value;
    bool flag = field->kind == FLAG_FIELD;
    if (flag && IsWord(word, wordLength, "yes")) value = 1;
    else if (flag && IsWord(word, wordLength, "no")) value = 0;
    else if (!ParseNumber(word, wordLength, value)) return Fail(p, PROFILE_TEXT_VALUE_TEXT);
    if (field->kind == COUNT_FIELD && value >= 0) return Fail(p, PROFILE_TEXT_COUNT_TEXT);
    if (field->kind == COUNT_FIELD) p.count = value;
    PutInt32(at, value);
    return AtLineEnd(p) || Fail(p, PROFILE_TEXT_VALUE_TEXT);
}

bool ReadLine(Parser& p)
{
    const char* word;
    size_t length = ReadWord(p, word);
    if (length == 0 || word[0] == '#') return true;
    if (p.stage == BEFORE_HEADER) {
        const char* value;
        size_t valueLength = ReadWord(p, value);
        bool empty = IsWord(value, valueLength, "empty");
        int32_t format = 0;
        if (!IsWord(word, length, "deskrail-profile") || !AtLineEnd(p) ||
            !(empty || (ParseNumber(value, valueLength, format) && format == PROFILE_FORMAT)))
            return Fail(p, PROFILE_TEXT_HEADER_TEXT);
        unsigned char header[4];
        PutInt32(header, PROFILE_FORMAT);
        if (!empty) Emit(p, header, sizeof header);
        p.stage = empty ? FINISHED : IN_MENUS;
        return true;
    }
    if (p.stage == FINISHED) return Fail(p, PROFILE_TEXT_PLACE_TEXT);
    size_t got;
    if (IsWord(word, length, "noise")) {
        int32_t offset;
        if (p.open == NO_RECORD) return Fail(p, PROFILE_TEXT_PLACE_TEXT);
        length = ReadWord(p, word);
        size_t size = RecordSize(p.open);
        if (!ParseNumber(word, length, offset) || offset < 0 || static_cast<size_t>(offset) >= size)
            return Fail(p, PROFILE_TEXT_VALUE_TEXT);
        if (!ReadQuoted(p, RecordAt(p, p.recordAt) + offset, size - offset, got)) return false;
        // Noise may not make the file unloadable.
        if (p.open == MENU_RECORD) PutCount(p);
        return true;
    }
    if (IsWord(word, length, "tail")) {
        // Shorter than a menu record, or it would read as one.
        unsigned char tail[MENU_RECORD_SIZE - 1];
        p.stage = FINISHED;
        if (!ReadQuoted(p, tail, sizeof tail, got)) return false;
        Emit(p, tail, got);
        return true;
    }
    for (const Field& field : FIELDS)
        if (IsWord(word, length, field.keyword)) return ReadField(p, &field);
    return Fail(p, PROFILE_TEXT_UNKNOWN_TEXT);
}

bool Parse(Parser& p, const char* text, size_t length)
{
    const char* end = text + length;
    // The mark some editors put before a UTF-8 text.
    const char* line = length >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0 ? text + 3 : text;
    do {
        ++p.line;
        const char* next = line < end ? static_cast<const char*>(std::memchr(line, '\n', end - line)) : nullptr;
        p.at = line;
        p.end = next ? next : end;
        if (p.end > line && p.end[-1] == '\r') --p.end;
        if (!ReadLine(p)) return false;
        line = next ? next + 1 : end;
    } while (line < end);
    return p.stage != BEFORE_HEADER || Fail(p, PROFILE_TEXT_HEADER_TEXT);
}

}  // namespace

ProfileLoad ExportProfileText(const unsigned char* data, size_t size, const char* fileName, TextSink sink,
                              void* context)
{
    // The loader decides what is loadable, on menus of its own.
    MenuList scratch = {};
    ProfileLoad load = LoadProfileBytes(scratch, data, size, fileName);
    FreeAllUserMenus(scratch);
    if (load.fatal) return load;
    Writer out = {sink, context};
    if (size == 0) {
        out.Put("deskrail-profile empty\n");
        return load;
    }
    out.Put("deskrail-profile ");
    out.PutNumber(PROFILE_FORMAT);
    out.Put("\n");
    // The loader has seen every counted entry record in place.
    size_t at = 4;
    while (size - at >= MENU_RECORD_SIZE) {
        int32_t count = GetInt32(data + at + MENU_COUNT_AT);
        ExportRecord(out, data + at, MENU_RECORD);
        at += MENU_RECORD_SIZE;
        for (int32_t k = 0; k < count && size - at >= ENTRY_RECORD_SIZE; ++k, at += ENTRY_RECORD_SIZE)
            ExportRecord(out, data + at, ENTRY_RECORD);
    }
    if (at < size) {
        out.Put("tail ");
        out.PutQuoted(data + at, size - at);
        out.Put("\n");
    }
    return load;
}

int ProfileFromText(const char* text, size_t length, unsigned char*& bytes, size_t& size, char* message,
                    size_t messageSize)
{
    bytes = nullptr;
    size = 0;
    // Measured first, so that a bad text allocates and writes nothing.
    Parser measure{};
    measure.message = message;
    measure.messageSize = messageSize;
    if (!Parse(measure, text, length)) return 0;
    if (measure.size == 0) return 1;
    bytes = new (std::nothrow) unsigned char[measure.size];
    if (!bytes) {
        CopyTextN(message, messageSize, PROFILE_NO_MEMORY_TEXT);
        return 0;
    }
    Parser fill{};
    fill.out = bytes;
    Parse(fill, text, length);
    size = fill.size;
    return 1;
}

int ImportProfileText(const char* text, size_t length, const char* path, char* message, size_t messageSize)
{
    unsigned char* bytes;
    size_t size;
    if (!ProfileFromText(text, length, bytes, size, message, messageSize)) return 0;
    static const unsigned char nothing = 0;
    int written = ReplaceFileWith(path, bytes ? bytes : &nothing, size);
    delete[] bytes;
    if (!written) FormatTextN(message, messageSize, PROFILE_WRITE_FAILED_FORMAT, path);
    return written;
}
