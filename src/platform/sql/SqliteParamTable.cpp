#include "platform/sql/SqliteParamTable.h"

#include "platform/sql/ESqlError.h"

#include <sqlite3.h>

namespace ger {

namespace {

constexpr int kParamColumn = 0;
constexpr int kArgColumn = 1;

struct ParamCursor {
    sqlite3_vtab_cursor base{};
    sqlite3_value* argument = nullptr;
    bool isAtEnd = true;
};

ParamCursor* CursorOf(sqlite3_vtab_cursor* cursor) {
    return reinterpret_cast<ParamCursor*>(cursor);
}

int Connect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** table, char**) {
    const int rc = sqlite3_declare_vtab(db, "CREATE TABLE x(PARAM, ARG HIDDEN)");
    if (rc != SQLITE_OK)
        return rc;
    *table = new sqlite3_vtab{};
    return SQLITE_OK;
}

int Disconnect(sqlite3_vtab* table) {
    delete table;
    return SQLITE_OK;
}

int BestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& constraint = info->aConstraint[i];
        if (constraint.iColumn != kArgColumn || constraint.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (!constraint.usable)
            return SQLITE_CONSTRAINT;
        info->aConstraintUsage[i].argvIndex = 1;
        info->aConstraintUsage[i].omit = 1;
        info->estimatedCost = 1;
        info->estimatedRows = 1;
        info->idxFlags = SQLITE_INDEX_SCAN_UNIQUE;
        return SQLITE_OK;
    }
    return SQLITE_CONSTRAINT;
}

int Open(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
    *cursor = &(new ParamCursor)->base;
    return SQLITE_OK;
}

int Close(sqlite3_vtab_cursor* cursor) {
    ParamCursor* self = CursorOf(cursor);
    sqlite3_value_free(self->argument);
    delete self;
    return SQLITE_OK;
}

int Filter(sqlite3_vtab_cursor* cursor, int, const char*, int argc, sqlite3_value** argv) {
    ParamCursor* self = CursorOf(cursor);
    sqlite3_value_free(self->argument);
    self->argument = nullptr;
    if (argc != 1)
        return SQLITE_ERROR;
    self->argument = sqlite3_value_dup(argv[0]);
    if (!self->argument)
        return SQLITE_NOMEM;
    self->isAtEnd = false;
    return SQLITE_OK;
}

int Next(sqlite3_vtab_cursor* cursor) {
    CursorOf(cursor)->isAtEnd = true;
    return SQLITE_OK;
}

int Eof(sqlite3_vtab_cursor* cursor) {
    return CursorOf(cursor)->isAtEnd ? 1 : 0;
}

int Column(sqlite3_vtab_cursor* cursor, sqlite3_context* context, int column) {
    sqlite3_value* argument = CursorOf(cursor)->argument;
    if (!argument || sqlite3_value_type(argument) == SQLITE_NULL) {
        sqlite3_result_null(context);
    } else if (column == kParamColumn) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argument));
        sqlite3_result_text64(context, text,
                              static_cast<sqlite3_uint64>(sqlite3_value_bytes(argument)),
                              SQLITE_TRANSIENT, SQLITE_UTF8);
    } else {
        sqlite3_result_value(context, argument);
    }
    return SQLITE_OK;
}

int Rowid(sqlite3_vtab_cursor*, sqlite3_int64* rowid) {
    *rowid = 1;
    return SQLITE_OK;
}

// xCreate null: eponymous only, usable without CREATE VIRTUAL TABLE and never stored in a file.
const sqlite3_module kParamModule = {
    /* iVersion */ 0,
    /* xCreate */ nullptr,
    /* xConnect */ Connect,
    /* xBestIndex */ BestIndex,
    /* xDisconnect */ Disconnect,
    /* xDestroy */ nullptr,
    /* xOpen */ Open,
    /* xClose */ Close,
    /* xFilter */ Filter,
    /* xNext */ Next,
    /* xEof */ Eof,
    /* xColumn */ Column,
    /* xRowid */ Rowid,
    /* xUpdate */ nullptr,
    /* xBegin */ nullptr,
    /* xSync */ nullptr,
    /* xCommit */ nullptr,
    /* xRollback */ nullptr,
    /* xFindFunction */ nullptr,
    /* xRename */ nullptr,
    /* xSavepoint */ nullptr,
    /* xRelease */ nullptr,
    /* xRollbackTo */ nullptr,
    /* xShadowName */ nullptr,
};

} // namespace

void SqliteParamTable::Register(sqlite3* handle) {
    const int rc = sqlite3_create_module_v2(handle, "PARAM", &kParamModule, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw ESqlError(QStringLiteral("SqliteParamTable: cannot register PARAM: %1")
                            .arg(QString::fromUtf8(sqlite3_errstr(rc))),
                        QString());
}

} // namespace ger
