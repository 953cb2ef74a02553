#include "registrations/registration_store.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <regex>

#include "registration_samples.h"
#include "registrations/sqlite_support.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;
using namespace testing_support;

RegistrationStore openStore(const fs::path& folder) {
    StoreResult<RegistrationStore> store = RegistrationStore::open(folder);
    if (!store) throw std::runtime_error(store.error().reason);
    return std::move(store).value();
}

std::vector<std::string> codesOf(const std::vector<Registration>& rows) {
    std::vector<std::string> codes;
    for (const Registration& row : rows) codes.push_back(row.idCode);
    return codes;
}

// Every field comes back as kept, any bytes; the order is by the instant
// (not by the text, whose offsets differ), then by the order of keeping; the
// password is in none of the files; ids stay unique after a removal; the
// folder and every file are the owner's alone; a reopened record has it all.
TEST(RegistrationStore, KeepsEveryFieldAndListsNewestFirst) {
    const ScratchFolder scratch;
    const fs::path folder = scratch.path() / "data" / "Tavimor";
    RegistrationStore store = openStore(folder);
    EXPECT_TRUE(store.damagedFileMovedTo().empty());

    Registration rich = sampleRegistration(1, "2026-12-07T23:00:00+01:00");  // 22:00 UTC
    rich.form = richProfile(300);
    rich.form.password.clear();
    rich.idText = std::string("You\0r ID Code is : \xFF", 20);
    Registration later = sampleRegistration(2, "2026-12-07T22:30:00+00:00");  // 22:30 UTC
    Registration sameSecond = sampleRegistration(3, "2026-12-07T23:30:00+01:00");
    Registration withPassword = sampleRegistration(4, "2026-12-06T09:00:00-05:00");
    withPassword.form.password = "do-not-write-me";

    std::vector<std::int64_t> ids;
    for (const Registration* r : {&rich, &later, &sameSecond, &withPassword}) {
        const StoreResult<std::int64_t> id = store.add(*r);
        ASSERT_TRUE(id) << id.error().reason;
        ids.push_back(id.value());
    }
    std::vector<Registration> rows = store.list().value();
    EXPECT_EQ(codesOf(rows), (std::vector<std::string>{"48003", "48002", "48001", "48004"}));
    rich.id = ids[0];
    EXPECT_EQ(rows[2], rich);
    EXPECT_EQ(rows[3].form.password, "");
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const fs::path file = store.file().string() + suffix;
        EXPECT_EQ(modeOf(file), 0600u) << file;
        EXPECT_EQ(fileBytes(file).find("do-not-write-me"), std::string::npos) << file;
    }
    EXPECT_EQ(modeOf(folder), 0700u);

    EXPECT_FALSE(store.markPasswordKept(ids[1], true));
    EXPECT_FALSE(store.remove(ids[3]));
    EXPECT_FALSE(store.remove(ids[3]));  // already gone: nothing to do
    const StoreResult<std::int64_t> next = store.add(sampleRegistration(5));
    ASSERT_TRUE(next);
    EXPECT_GT(next.value(), ids[3]);

    store = openStore(folder);
    rows = store.list().value();
    EXPECT_EQ(codesOf(rows), (std::vector<std::string>{"48003", "48002", "48005", "48001"}));
    EXPECT_TRUE(rows[1].passwordKept);
    EXPECT_FALSE(rows[0].passwordKept);
    std::vector<RegistrationSummary> summaries;
    for (const Registration& row : rows) summaries.push_back(summaryOf(row));
    EXPECT_EQ(store.summaries().value(), summaries);
    const StoreResult<std::vector<RegistrationSummary>> readOnly =
        RegistrationStore::readOnly(folder);
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(readOnly.value(), summaries);
    EXPECT_EQ(store.find(rows[3].id).value(), rows[3]);
    EXPECT_EQ(store.find(ids[3]).error().reason, "the registration is no longer in the record");
    EXPECT_FALSE(store.add(sampleRegistration(6, "yesterday")));
}

// A file that is not a database, and a database whose pages were
// overwritten, are both moved aside with their companions, byte for byte,
// and a new record takes their place; the next opening has nothing to tell.
// Reading without changing leaves a damaged record where it is.
TEST(RegistrationStore, MovesADamagedRecordAsideAndStartsANewOne) {
    const ScratchFolder scratch;
    const fs::path folder = scratch.path();
    const fs::path file = folder / RegistrationStore::kRecordFileName;

    const std::string garbage(8192, 'x');
    fs::path firstMoved;
    {
        std::ofstream(file, std::ios::binary) << garbage;
        std::ofstream(file.string() + "-wal", std::ios::binary) << "wal bytes";
    }
    {
        RegistrationStore store = openStore(folder);
        const fs::path moved = firstMoved = store.damagedFileMovedTo();
        ASSERT_FALSE(moved.empty());
        EXPECT_EQ(moved.parent_path(), folder);
        // Named for when it was moved: registrations.db.damaged-YYYYMMDD-HHMMSS.
        EXPECT_TRUE(std::regex_match(moved.filename().string(),
                                     std::regex(R"(registrations\.db\.damaged-\d{8}-\d{6})")))
            << moved;
        EXPECT_EQ(fileBytes(moved), garbage);
        EXPECT_EQ(fileBytes(moved.string() + "-wal"), "wal bytes");
        ASSERT_TRUE(store.add(sampleRegistration(1)));
        EXPECT_EQ(store.list().value().size(), 1u);
    }
    {
        RegistrationStore store = openStore(folder);
        EXPECT_TRUE(store.damagedFileMovedTo().empty());
        for (int n = 2; n < 60; ++n) ASSERT_TRUE(store.add(sampleRegistration(n)));
    }
    // The last connection folded the WAL into the file; now a page inside it
    // is overwritten, as a failing disk or a stray write would.
    ASSERT_FALSE(fs::exists(file.string() + "-wal"));
    {
        std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
        out.seekp(3 * 4096 + 100);
        out << std::string(2000, '\x5A');
    }
    const std::string damaged = fileBytes(file);
    const StoreResult<std::vector<RegistrationSummary>> readOnly =
        RegistrationStore::readOnly(folder);
    ASSERT_FALSE(readOnly);
    EXPECT_NE(readOnly.error().reason.find("is damaged"), std::string::npos)
        << readOnly.error().reason;
    EXPECT_EQ(fileBytes(file), damaged);

    RegistrationStore store = openStore(folder);
    ASSERT_FALSE(store.damagedFileMovedTo().empty());
    EXPECT_EQ(fileBytes(store.damagedFileMovedTo()), damaged);
    EXPECT_TRUE(store.list().value().empty());
    // The first one's file and WAL are still there beside it.
    EXPECT_NE(fileBytes(store.damagedFileMovedTo()), fileBytes(firstMoved));
    EXPECT_EQ(fileBytes(firstMoved.string() + "-wal"), "wal bytes");
}

// What the system or SQLite said, in the words the user reads after "The
// registration could not be kept: ".
TEST(RegistrationStore, SaysWhyInWordsForPeople) {
    const fs::path folder = "/data/Tavimor", file = folder / "registrations.db";
    const std::pair<int, std::string> system[] = {
        {EACCES, "the folder /data/Tavimor is read-only"},
        {EPERM, "the folder /data/Tavimor is read-only"},
        {EROFS, "the folder /data/Tavimor is read-only"},
        {ENOSPC, "there is no room left on the disk of /data/Tavimor"},
        {EDQUOT, "there is no room left on the disk of /data/Tavimor"},
        {ENOENT, "the folder /data/Tavimor cannot be made: the folder it belongs in is missing"},
        {EIO, "the folder /data/Tavimor cannot be used: Input/output error"},
    };
    for (const auto& [error, words] : system) {
        EXPECT_EQ(detail::systemFailure(error, folder, true).reason, words) << error;
    }
    EXPECT_EQ(detail::sqliteFailure(nullptr, SQLITE_FULL, file).reason,
              "there is no room left on the disk of /data/Tavimor/registrations.db");
    EXPECT_EQ(detail::sqliteFailure(nullptr, SQLITE_IOERR_FSYNC, file).reason,
              "the record /data/Tavimor/registrations.db cannot be used: disk I/O error");
}

// Runs `body` in a child process as a user who is not the super-user (who
// may write anywhere), and returns what it returned.
std::string asOrdinaryUser(const std::function<std::string()>& body) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "(no pipe)";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::geteuid() == 0) {
            constexpr gid_t kNobody = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                ::_exit(2);
            }
        }
        const std::string said = body();
        const ssize_t written = ::write(pipe[1], said.data(), said.size());
        ::_exit(written == static_cast<ssize_t>(said.size()) ? 0 : 3);
    }
    ::close(pipe[1]);
    char said[512];
    const ssize_t n = std::max<ssize_t>(0, ::read(pipe[0], said, sizeof said));
    ::close(pipe[0]);
    int status = -1;
    ::waitpid(child, &status, 0);
    return status == 0 ? std::string(said, n) : "(the child failed)";
}

// A folder nobody may write in: opening says which folder and why, and a
// record kept before the folder and file became read-only refuses the next
// registration in words, its rows untouched.
TEST(RegistrationStore, ReadOnlyFolderGivesAClearError) {
    const ScratchFolder scratch;
    ::chmod(scratch.path().c_str(), 0755);  // so that the child may look inside
    const fs::path empty = scratch.path() / "empty";
    const fs::path kept = scratch.path() / "kept";
    fs::create_directory(empty);
    ::chmod(empty.c_str(), 0555);
    {
        RegistrationStore store = openStore(kept);
        ASSERT_TRUE(store.add(sampleRegistration(1)));
    }
    ::chmod((kept / RegistrationStore::kRecordFileName).c_str(), 0444);
    ::chmod(kept.c_str(), 0555);

    EXPECT_EQ(asOrdinaryUser([&] {
                  const StoreResult<RegistrationStore> store = RegistrationStore::open(empty);
                  return store ? std::string("opened") : store.error().reason;
              }),
              "the folder " + empty.string() + " is read-only");
    EXPECT_EQ(
        asOrdinaryUser([&] {
            StoreResult<RegistrationStore> store = RegistrationStore::open(kept);
            if (!store) return store.error().reason;
            const StoreResult<std::int64_t> added = store.value().add(sampleRegistration(2));
            return added ? std::string("added") : added.error().reason;
        }),
        "the record " + (kept / RegistrationStore::kRecordFileName).string() + " is read-only");
    ::chmod(kept.c_str(), 0700);
    ::chmod((kept / RegistrationStore::kRecordFileName).c_str(), 0600);
    RegistrationStore store = openStore(kept);
    EXPECT_EQ(codesOf(store.list().value()), std::vector<std::string>{"48001"});
}

// Ten thousand registrations, kept in an order unlike their times, come
// back newest first.
TEST(RegistrationStore, ListsTenThousandNewestFirst) {
    constexpr int kCount = 10000;
    constexpr std::time_t kStart = 1'800'000'000;
    const ScratchFolder scratch;
    ASSERT_EQ(fillRecord(scratch.path(), kCount, kStart), "");
    RegistrationStore store = openStore(scratch.path());
    const std::vector<Registration> rows = store.list().value();
    ASSERT_EQ(rows.size(), std::size_t{kCount});
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(rows[i].keptAt, utcText(kStart + kCount - 1 - i)) << i;
        ASSERT_EQ(rows[i].form.site_name, "Site 0") << i;
    }
    EXPECT_EQ(rows.front().idCode, "9999");
    EXPECT_EQ(rows.back().idCode, "48000");
}

}  // namespace
}  // namespace tavimor
