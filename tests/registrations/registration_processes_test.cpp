// The record shared by processes: one killed while it keeps a registration,
// two keeping registrations at the same moment.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>

#include "registration_samples.h"
#include "registrations/registration_store.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;
using namespace testing_support;

// Keeps registrations numbered from `first` on, one after another, and writes
// each number to `report` once its registration is kept; ends with what went
// wrong, or when `count` are kept. In a child process: never returns.
[[noreturn]] void keepInChild(const fs::path& folder, int first, int count, int report) {
    StoreResult<RegistrationStore> store = RegistrationStore::open(folder);
    if (!store) ::_exit(2);
    for (int n = first; count == 0 || n < first + count; ++n) {
        if (!store.value().add(sampleRegistration(n))) ::_exit(3);
        if (::write(report, &n, sizeof n) != sizeof n) ::_exit(4);
    }
    ::_exit(0);
}

// The ID codes in the record in `folder`; `sound` says whether it opened
// without being moved aside and held each registration whole.
std::set<std::string> codesIn(const fs::path& folder, bool* sound) {
    StoreResult<RegistrationStore> store = RegistrationStore::open(folder);
    *sound = store && store.value().damagedFileMovedTo().empty();
    const std::vector<Registration> rows =
        *sound ? store.value().list().value() : std::vector<Registration>{};
    std::set<std::string> codes;
    for (const Registration& row : rows) {
        codes.insert(row.idCode);
        Registration expected = sampleRegistration(std::stoi(row.idCode) - 48000);
        expected.id = row.id;
        *sound = *sound && row == expected;
    }
    return codes;
}

// A process killed at any point while it keeps registrations leaves a sound
// record holding every registration it reported kept, and those kept before.
TEST(RegistrationStoreProcesses, AKillWhileKeepingLosesNothingKept) {
    const ScratchFolder scratch;
    {
        RegistrationStore store = RegistrationStore::open(scratch.path()).value();
        for (int n = 1; n <= 3; ++n) ASSERT_TRUE(store.add(sampleRegistration(n)));
    }
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        keepInChild(scratch.path(), 100, 0, pipe[1]);
    }
    ::close(pipe[1]);
    std::set<std::string> reported;
    // Killed at once after the 40th report, when it is well into the next.
    for (int n; reported.size() < 40 && ::read(pipe[0], &n, sizeof n) == sizeof n;) {
        reported.insert(std::to_string(48000 + n));
    }
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(pipe[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;
    ASSERT_EQ(reported.size(), 40u);

    bool sound = false;
    const std::set<std::string> codes = codesIn(scratch.path(), &sound);
    EXPECT_TRUE(sound);
    for (const char* earlier : {"48001", "48002", "48003"}) EXPECT_TRUE(codes.count(earlier));
    for (const std::string& code : reported) EXPECT_TRUE(codes.count(code)) << code;
    // At most the one it was keeping when it was killed is there unreported.
    EXPECT_LE(codes.size(), 3u + reported.size() + 1u);
}

// Two processes keeping registrations at the same moment, into a record that
// neither has made yet, keep all of them.
TEST(RegistrationStoreProcesses, TwoKeepingAtOnceKeepBoth) {
    const ScratchFolder scratch;
    const fs::path folder = scratch.path() / "Tavimor";
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    pid_t children[2];
    for (int i = 0; i < 2; ++i) {
        children[i] = ::fork();
        if (children[i] == 0) {
            ::close(start[1]);
            char go;
            // Both wait for the same signal, so they open the record together.
            if (::read(start[0], &go, 1) != 0) ::_exit(5);
            const int devNull = ::open("/dev/null", O_WRONLY);
            keepInChild(folder, 1000 * (i + 1), 25, devNull);
        }
    }
    ::close(start[0]);
    ::close(start[1]);  // both start now
    for (pid_t child : children) {
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    bool sound = false;
    const std::set<std::string> codes = codesIn(folder, &sound);
    EXPECT_TRUE(sound);
    EXPECT_EQ(codes.size(), 50u);
    for (int n = 0; n < 25; ++n) {
        EXPECT_TRUE(codes.count(std::to_string(49000 + n)));
        EXPECT_TRUE(codes.count(std::to_string(50000 + n)));
    }
}

}  // namespace
}  // namespace tavimor
