#include "platform/sql/SqliteFunctions.h"

#include "platform/sql/ESqlError.h"

#include <sqlite3.h>
#include <string_view>

namespace ger {

namespace {

constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;

bool IsNull(sqlite3_value* value) {
    return sqlite3_value_type(value) == SQLITE_NULL;
}

std::string_view TextOf(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    const int bytes = sqlite3_value_bytes(value);
    return text ? std::string_view(text, static_cast<size_t>(bytes)) : std::string_view();
}

// Code points in the first `bytes` bytes of a UTF-8 text: every byte but continuation bytes.
sqlite3_int64 CodePoints(std::string_view text, size_t bytes) {
    sqlite3_int64 count = 0;
    for (size_t i = 0; i < bytes; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

// The position shared by CHARINDEX and INSTR.
void ResultPosition(sqlite3_context* context, sqlite3_value* haystack, sqlite3_value* needle) {
    if (IsNull(haystack) || IsNull(needle)) {
        sqlite3_result_null(context);
        return;
    }
    const std::string_view text = TextOf(haystack);
    const std::string_view sought = TextOf(needle);
    const size_t at = sought.empty() ? std::string_view::npos : text.find(sought);
    sqlite3_result_int64(context, at == std::string_view::npos ? 0 : CodePoints(text, at) + 1);
}

void Nvl(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_result_value(context, IsNull(argv[0]) ? argv[1] : argv[0]);
}

void NvlStr(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_value* chosen = IsNull(argv[0]) ? argv[1] : argv[0];
    if (IsNull(chosen)) {
        sqlite3_result_null(context);
        return;
    }
    const std::string_view text = TextOf(chosen);
    sqlite3_result_text64(context, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

void CharIndex(sqlite3_context* context, int, sqlite3_value** argv) {
    ResultPosition(context, argv[1], argv[0]);
}

void Instr(sqlite3_context* context, int, sqlite3_value** argv) {
    ResultPosition(context, argv[0], argv[1]);
}

struct FunctionDef {
    const char* name;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
};

constexpr FunctionDef kFunctions[] = {
    {"NVL", Nvl},
    {"NVLSTR", NvlStr},
    {"CHARINDEX", CharIndex},
    {"INSTR", Instr},
};

} // namespace

void SqliteFunctions::Register(sqlite3* handle) {
    for (const FunctionDef& def : kFunctions) {
        const int rc = sqlite3_create_function_v2(handle, def.name, 2, kFlags, nullptr,
                                                  def.function, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            throw ESqlError(
                QStringLiteral("SqliteFunctions: cannot register %1: %2")
                    .arg(QLatin1String(def.name), QString::fromUtf8(sqlite3_errstr(rc))),
                QString());
    }
}

} // namespace ger
