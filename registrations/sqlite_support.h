#pragma once

// Internal to registrations/: SQLite's C interface behind small owners, and
// its failures put in words a person can read.

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "registrations/store_result.h"

namespace tavimor::detail {

// Closes the connection when it goes (after its statements, which must go
// first: close_v2 would otherwise keep it half-open until they do).
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase() { reset(); }
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* get() const { return db_; }
    sqlite3** out() { return &db_; }
    void reset() {
        if (db_) sqlite3_close_v2(db_);
        db_ = nullptr;
    }

private:
    sqlite3* db_ = nullptr;
};

// One prepared statement. Values are only ever bound, never pasted into the
// SQL text.
class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement() { sqlite3_finalize(stmt_); }
    SqliteStatement(SqliteStatement&& other) noexcept : stmt_(other.stmt_) {
        other.stmt_ = nullptr;
    }
    SqliteStatement& operator=(SqliteStatement&&) = delete;
    SqliteStatement(const SqliteStatement&) = delete;

    // SQLite's result code; on failure nothing is held.
    int prepare(sqlite3* db, std::string_view sql) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        return sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                  SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    }
    bool prepared() const { return stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }

    // Ready for another run, its bindings cleared.
    void rewind() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }

    // Any bytes, NUL included, kept exactly as given.
    int bindText(int index, std::string_view text) {
        return sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                                   SQLITE_UTF8);
    }
    int bindInt(int index, std::int64_t value) { return sqlite3_bind_int64(stmt_, index, value); }

    std::string text(int column) const {
        const auto* bytes = sqlite3_column_text(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        return bytes ? std::string(reinterpret_cast<const char*>(bytes), size) : std::string();
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// A StoreError for the failure `code` of `db` on the record `file`: the
// system's cause when SQLite had one (a read-only folder, a full disk), else
// SQLite's own words.
StoreError sqliteFailure(sqlite3* db, int code, const std::filesystem::path& file);

// The same for a failed system call on `path` (the record or its folder).
StoreError systemFailure(int error, const std::filesystem::path& path, bool isFolder);

// True when `code` says the file is not a sound database.
inline bool meansDamaged(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace tavimor::detail
