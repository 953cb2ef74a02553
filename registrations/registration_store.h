#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "registrations/registration.h"
#include "registrations/store_result.h"

namespace tavimor {

// The record of registrations: one SQLite database, kRecordFileName in a
// folder of its own (the application's data folder), owner-only: the folder
// 0700, the database and its -wal and -shm files 0600.
//
// Every change is one transaction, begun IMMEDIATE so that two instances
// writing at once queue for the write lock (up to a few seconds) instead of
// failing, and synced before it returns: a process killed at any moment
// leaves the record as it was before the change or after it. Each record
// carries its schema version (PRAGMA user_version); opening brings an older
// one up to date, one step per version.
//
// One object is one connection, for one thread at a time. Several objects,
// in one process or several, may use the same record at once: in WAL mode a
// reader never waits for a writer.
//
// Errors come back as values, never as exceptions.
class RegistrationStore {
public:
    static constexpr const char* kRecordFileName = "registrations.db";
    static constexpr int kSchemaVersion = 1;

    // Opens the record in `folder`, making the folder and the record when
    // they are missing. A file that is not a database, or whose pages fail
    // SQLite's quick check, is renamed aside with its -wal and -shm files
    // (never deleted) and a new record is started; damagedFileMovedTo() then
    // says where it went, so that the user can be told once.
    static StoreResult<RegistrationStore> open(const std::filesystem::path& folder);

    // The registrations in the record in `folder`, newest first, read
    // without changing anything: a missing record lists none, and a damaged
    // one is an error, left where it is.
    static StoreResult<std::vector<RegistrationSummary>> readOnly(
        const std::filesystem::path& folder);

    RegistrationStore(RegistrationStore&&) noexcept;
    RegistrationStore& operator=(RegistrationStore&&) noexcept;
    ~RegistrationStore();

    const std::filesystem::path& file() const;

    // Where this opening moved a damaged record; empty when it found none.
    const std::filesystem::path& damagedFileMovedTo() const;

    // Keeps `registration` (its id is ignored; its form's password is never
    // written) and returns the row id it was given. Ids are never reused.
    StoreResult<std::int64_t> add(const Registration& registration);

    // Every registration, newest first (latest keptAt; among those kept in
    // the same second, the one kept last).
    StoreResult<std::vector<Registration>> list();
    // The same, as much of each as a list shows: for a long record, a
    // fraction of the time and memory.
    StoreResult<std::vector<RegistrationSummary>> summaries();
    // The registration `id`, whole; an error when it is not there.
    StoreResult<Registration> find(std::int64_t id);

    // Removing a row that is not there is no error.
    std::optional<StoreError> remove(std::int64_t id);

    // The keyring answers after the row is written.
    std::optional<StoreError> markPasswordKept(std::int64_t id, bool kept);

private:
    struct Connection;
    explicit RegistrationStore(std::unique_ptr<Connection> connection);

    std::unique_ptr<Connection> connection_;
};

}  // namespace tavimor
