#include "registrations/registration_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <string_view>
#include <thread>

#include "registrations/registration_schema.h"
#include "registrations/sqlite_support.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;
using detail::meansDamaged;
using detail::SqliteDatabase;
using detail::sqliteFailure;
using detail::SqliteStatement;
using detail::systemFailure;

// Long enough for another instance's write (a few milliseconds, a slow disk's
// sync included) to end; short enough that a stuck one is reported rather
// than waited on for good.
constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kSideFiles[] = {"-wal", "-shm"};

fs::path withSuffix(const fs::path& file, std::string_view suffix) {
    return fs::path(file.string() + std::string(suffix));
}

// Takes group and other access away from `path` if it has any; never adds
// any, so a folder or file its owner made read-only stays so.
void makeOwnerOnly(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (info.st_mode & 077) != 0) {
        ::chmod(path.c_str(), info.st_mode & 07700);
    }
}

std::optional<StoreError> makeFolder(const fs::path& folder) {
    std::error_code ignored;  // a parent that cannot be made fails the mkdir below, which says why
    if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), ignored);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return systemFailure(errno, folder.has_parent_path() ? folder.parent_path() : folder, true);
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return systemFailure(errno, folder, true);
    if (!S_ISDIR(info.st_mode)) return StoreError{folder.string() + " is a file, not a folder"};
    makeOwnerOnly(folder);
    return std::nullopt;
}

void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// SQLite makes a missing database file with the permissions its build was
// given (usually 0644), and its -wal and -shm files with those of the
// database: made here first, owner-only, all three are.
std::optional<StoreError> makeRecordFile(const fs::path& file) {
    std::error_code ignored;
    const bool existed = fs::exists(file, ignored);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return systemFailure(errno, file, false);
    ::close(fd);
    makeOwnerOnly(file);
    for (const char* side : kSideFiles) makeOwnerOnly(withSuffix(file, side));
    // The new name is on disk before anything is written into it.
    if (!existed) syncFolder(file.parent_path());
    return std::nullopt;
}

std::string compactLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Renames a damaged record, with its -wal and -shm files, which may hold the
// latest of what it kept, to names beside it that say what happened and
// when; the three stay together so that sqlite3 opens them as one. Nothing
// is deleted: what can be saved from it is the user's.
StoreResult<fs::path> moveAside(const fs::path& file) {
    const fs::path base = withSuffix(file, ".damaged-" + compactLocalTime());
    fs::path target = base;
    std::error_code ignored;
    for (int n = 2; fs::exists(target, ignored); ++n)
        target = withSuffix(base, "-" + std::to_string(n));
    if (::rename(file.c_str(), target.c_str()) != 0) {
        const int error = errno;
        return StoreError{"the damaged record " + file.string() +
                          " cannot be moved aside: " + systemFailure(error, file, false).reason};
    }
    for (const char* side : kSideFiles) {
        const fs::path from = withSuffix(file, side);
        if (fs::exists(from, ignored)) ::rename(from.c_str(), withSuffix(target, side).c_str());
    }
    syncFolder(file.parent_path());
    return target;
}

enum class Soundness { Sound, Damaged, Failed };

}  // namespace

struct RegistrationStore::Connection {
    fs::path file;
    fs::path movedAside;
    // Before the statements, so that they are finalized first.
    SqliteDatabase db;
    SqliteStatement insert, list, summaries, find, remove, mark;
    StoreError lastError;

    // Runs SQL that binds no values (schema steps, transaction control).
    bool exec(const char* sql) {
        const int rc = sqlite3_exec(db.get(), sql, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) lastError = sqliteFailure(db.get(), rc, file);
        return rc == SQLITE_OK;
    }

    StoreError failure(int rc) { return sqliteFailure(db.get(), rc, file); }

    bool prepare(SqliteStatement& statement, std::string_view sql) {
        if (statement.prepared()) return true;
        const int rc = statement.prepare(db.get(), sql);
        if (rc != SQLITE_OK) lastError = failure(rc);
        return rc == SQLITE_OK;
    }

    int openAs(int flags) {
        const int rc = sqlite3_open_v2(file.c_str(), db.out(), flags, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_extended_result_codes(db.get(), 1);
            sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);
            // Until the record is known to be sound, closing must not delete
            // its WAL, which may hold the latest of what it kept: SQLite
            // removes the WAL when the last connection closes.
            keepWalOnClose(true);
        }
        return rc;
    }

    void keepWalOnClose(bool keep) {
        int flag = keep ? 1 : 0;
        sqlite3_file_control(db.get(), "main", SQLITE_FCNTL_PERSIST_WAL, &flag);
    }

    // SQLite's quick check: every page and index entry well formed, without
    // the slower cross-checks of integrity_check.
    Soundness check(std::string& words) {
        SqliteStatement quickCheck;
        int rc = quickCheck.prepare(db.get(), "PRAGMA quick_check");
        if (rc == SQLITE_OK) rc = sqlite3_step(quickCheck.get());
        if (rc == SQLITE_ROW) {
            words = quickCheck.text(0);
            return words == "ok" ? Soundness::Sound : Soundness::Damaged;
        }
        words = sqlite3_errmsg(db.get());
        lastError = failure(rc);
        return meansDamaged(rc) ? Soundness::Damaged : Soundness::Failed;
    }

    StoreResult<int> schemaVersion() {
        SqliteStatement version;
        int rc = version.prepare(db.get(), "PRAGMA user_version");
        if (rc == SQLITE_OK) rc = sqlite3_step(version.get());
        if (rc != SQLITE_ROW) return failure(rc);
        return static_cast<int>(version.integer(0));
    }

    StoreResult<std::int64_t> rowCount() {
        SqliteStatement count;
        int rc = count.prepare(db.get(), "SELECT count(*) FROM registrations");
        if (rc == SQLITE_OK) rc = sqlite3_step(count.get());
        if (rc != SQLITE_ROW) return failure(rc);
        return count.integer(0);
    }

    std::optional<StoreError> setUp() {
        // Two instances opening a new record together may both try to turn
        // it to WAL; the one that waits finds it done, or tries again.
        for (int attempt = 0;; ++attempt) {
            SqliteStatement mode;
            int rc = mode.prepare(db.get(), "PRAGMA journal_mode=WAL");
            if (rc == SQLITE_OK) rc = sqlite3_step(mode.get());
            if (rc != SQLITE_ROW) return failure(rc);
            if (mode.text(0) == "wal") break;
            if (attempt == 50)
                return StoreError{"the record " + file.string() +
                                  " cannot be switched to its journal mode"};
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        // Each commit is synced before it returns, not merely at checkpoints.
        if (!exec("PRAGMA synchronous=FULL")) return lastError;
        return migrate();
    }

    std::optional<StoreError> migrate() {
        // Read inside the write transaction: another instance may have
        // brought the record up to date while this one waited for it.
        if (!exec("BEGIN IMMEDIATE")) return lastError;
        const StoreResult<int> version = schemaVersion();
        if (!version) {
            exec("ROLLBACK");
            return version.error();
        }
        if (version.value() > kSchemaVersion) {
            exec("ROLLBACK");
            return StoreError{"the record " + file.string() +
                              " was written by a newer version of Tavimor"};
        }
        const auto steps = detail::schemaSteps();
        for (std::size_t step = static_cast<std::size_t>(version.value()); step < steps.size();
             ++step) {
            if (!exec(std::string(steps[step]).c_str())) {
                const StoreError error = lastError;
                exec("ROLLBACK");
                return error;
            }
        }
        // PRAGMA takes no bound values; the number is ours, not the user's.
        const std::string setVersion = "PRAGMA user_version=" + std::to_string(kSchemaVersion);
        if (!exec(setVersion.c_str()) || !exec("COMMIT")) {
            const StoreError error = lastError;
            exec("ROLLBACK");
            return error;
        }
        return std::nullopt;
    }

    // Every row `statement` (prepared from `sql` at its first use) gives,
    // each read by `read`.
    template <class Row, class Read>
    StoreResult<std::vector<Row>> readRows(SqliteStatement& statement, std::string_view sql,
                                           Read read) {
        if (!prepare(statement, sql)) return lastError;
        std::vector<Row> rows;
        // Grown once rather than copied along as it grows: for a long
        // record the copies and their fresh pages cost more than the reading.
        const StoreResult<std::int64_t> count = rowCount();
        if (!count) return count.error();
        rows.reserve(static_cast<std::size_t>(count.value()));
        int rc;
        while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) rows.push_back(read(statement));
        // Reset at once: a statement left running keeps its read snapshot,
        // which holds back checkpoints of the WAL.
        statement.rewind();
        if (rc != SQLITE_DONE) return failure(rc);
        return rows;
    }

    StoreResult<std::vector<Registration>> listAll() {
        return readRows<Registration>(list, detail::listStatement(), registrationAt);
    }

    StoreResult<std::vector<RegistrationSummary>> summarize() {
        return readRows<RegistrationSummary>(summaries, detail::summaryStatement(), summaryAt);
    }

    // A row of listStatement() or findStatement().
    static Registration registrationAt(const SqliteStatement& row) {
        Registration registration;
        registration.id = row.integer(0);
        registration.keptAt = row.text(1);
        registration.idText = row.text(2);
        registration.idCode = row.text(3);
        registration.host = row.text(4);
        registration.passwordKept = row.integer(5) != 0;
        int column = 6;
        for (const ProfileField* field : detail::formColumns()) {
            registration.form.*field->member = row.text(column++);
        }
        return registration;
    }

    static RegistrationSummary summaryAt(const SqliteStatement& row) {
        return {row.integer(0), row.text(1), row.text(2),        row.text(3),
                row.text(4),    row.text(5), row.integer(6) != 0};
    }

    // Runs `statement` once as a transaction of its own.
    std::optional<StoreError> writeOnce(SqliteStatement& statement) {
        if (!exec("BEGIN IMMEDIATE")) {
            statement.rewind();
            return lastError;
        }
        const int rc = sqlite3_step(statement.get());
        const StoreError stepError = rc == SQLITE_DONE ? StoreError{} : failure(rc);
        statement.rewind();
        if (rc != SQLITE_DONE) {
            exec("ROLLBACK");
            return stepError;
        }
        if (!exec("COMMIT")) {
            const StoreError error = lastError;
            exec("ROLLBACK");
            return error;
        }
        return std::nullopt;
    }
};

RegistrationStore::RegistrationStore(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}
RegistrationStore::RegistrationStore(RegistrationStore&&) noexcept = default;
RegistrationStore& RegistrationStore::operator=(RegistrationStore&&) noexcept = default;
RegistrationStore::~RegistrationStore() = default;

const fs::path& RegistrationStore::file() const { return connection_->file; }
const fs::path& RegistrationStore::damagedFileMovedTo() const { return connection_->movedAside; }

StoreResult<RegistrationStore> RegistrationStore::open(const fs::path& folder) {
    if (auto error = makeFolder(folder)) return *error;
    const fs::path file = folder / kRecordFileName;
    fs::path movedAside;
    // A second round only after a damaged record was moved aside.
    for (int round = 0; round < 2; ++round) {
        auto connection = std::make_unique<Connection>();
        connection->file = file;
        if (auto error = makeRecordFile(file)) return *error;
        const int rc = connection->openAs(SQLITE_OPEN_READWRITE);
        if (rc != SQLITE_OK) return connection->failure(rc);
        std::string words;
        const Soundness soundness = connection->check(words);
        if (soundness == Soundness::Failed) return connection->lastError;
        if (soundness == Soundness::Damaged) {
            connection.reset();  // closed before its files move
            StoreResult<fs::path> moved = moveAside(file);
            if (!moved) return moved.error();
            movedAside = std::move(moved).value();
            continue;
        }
        connection->keepWalOnClose(false);
        if (auto error = connection->setUp()) return *error;
        connection->movedAside = std::move(movedAside);
        return RegistrationStore(std::move(connection));
    }
    return StoreError{"the record " + file.string() +
                      " is damaged again after a new one was started"};
}

StoreResult<std::vector<RegistrationSummary>> RegistrationStore::readOnly(const fs::path& folder) {
    Connection connection;
    connection.file = folder / kRecordFileName;
    std::error_code error;
    if (!fs::exists(connection.file, error)) {
        if (error) return systemFailure(error.value(), connection.file, false);
        return std::vector<RegistrationSummary>{};
    }
    const int rc = connection.openAs(SQLITE_OPEN_READONLY);
    if (rc != SQLITE_OK) return connection.failure(rc);
    std::string words;
    switch (connection.check(words)) {
    case Soundness::Sound:
        break;
    case Soundness::Damaged:
        return StoreError{"the record " + connection.file.string() + " is damaged (" + words + ")"};
    case Soundness::Failed:
        return connection.lastError;
    }
    const StoreResult<int> version = connection.schemaVersion();
    if (!version) return version.error();
    // An empty file: made, never written.
    if (version.value() == 0) return std::vector<RegistrationSummary>{};
    if (version.value() != kSchemaVersion) {
        return StoreError{"the record " + connection.file.string() + " is of schema version " +
                          std::to_string(version.value()) + ", which this Tavimor cannot read"};
    }
    return connection.summarize();
}

StoreResult<std::int64_t> RegistrationStore::add(const Registration& registration) {
    Connection& c = *connection_;
    const std::optional<std::chrono::sys_seconds> instant = instantOf(registration.keptAt);
    if (!instant) {
        return StoreError{"the time \"" + registration.keptAt + "\" is not a date and time"};
    }
    if (!c.prepare(c.insert, detail::insertStatement())) return c.lastError;
    SqliteStatement& insert = c.insert;
    insert.bindText(1, registration.keptAt);
    insert.bindInt(2, instant->time_since_epoch().count());
    insert.bindText(3, registration.idText);
    insert.bindText(4, registration.idCode);
    insert.bindText(5, registration.host);
    int index = 6;
    for (const ProfileField* field : detail::formColumns()) {
        insert.bindText(index++, registration.form.*field->member);
    }
    if (auto error = c.writeOnce(insert)) return *error;
    // The connection's own last insert, which no other connection changes.
    return static_cast<std::int64_t>(sqlite3_last_insert_rowid(c.db.get()));
}

StoreResult<std::vector<Registration>> RegistrationStore::list() { return connection_->listAll(); }

StoreResult<std::vector<RegistrationSummary>> RegistrationStore::summaries() {
    return connection_->summarize();
}

StoreResult<Registration> RegistrationStore::find(std::int64_t id) {
    Connection& c = *connection_;
    if (!c.prepare(c.find, detail::findStatement())) return c.lastError;
    c.find.bindInt(1, id);
    const int rc = sqlite3_step(c.find.get());
    std::optional<Registration> found;
    if (rc == SQLITE_ROW) found = Connection::registrationAt(c.find);
    const StoreError error = rc == SQLITE_ROW || rc == SQLITE_DONE ? StoreError{} : c.failure(rc);
    c.find.rewind();
    if (found) return std::move(*found);
    if (rc == SQLITE_DONE) return StoreError{"the registration is no longer in the record"};
    return error;
}

std::optional<StoreError> RegistrationStore::remove(std::int64_t id) {
    Connection& c = *connection_;
    if (!c.prepare(c.remove, "DELETE FROM registrations WHERE id = ?")) return c.lastError;
    c.remove.bindInt(1, id);
    return c.writeOnce(c.remove);
}

std::optional<StoreError> RegistrationStore::markPasswordKept(std::int64_t id, bool kept) {
    Connection& c = *connection_;
    if (!c.prepare(c.mark, "UPDATE registrations SET password_kept = ? WHERE id = ?")) {
        return c.lastError;
    }
    c.mark.bindInt(1, kept ? 1 : 0);
    c.mark.bindInt(2, id);
    return c.writeOnce(c.mark);
}

}  // namespace tavimor
