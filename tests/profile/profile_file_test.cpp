#include "profile/profile_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "profile_samples.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(unreadable)";
}

unsigned modeOf(const fs::path& file) {
    struct stat info {};
    return ::lstat(file.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Runs `body` in a forked copy of this process, which may lower its file size
// limit or give up root without touching the test runner, and returns what
// `body` returned. This program starts no threads, so the copy is whole; a
// child that hangs is ended with the test by its time limit.
std::string inChild(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        const std::string out = body();
        ::_exit(::write(fds[1], out.data(), out.size()) == ssize_t(out.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, std::size_t(n));
    ::close(fds[0]);
    ::waitpid(pid, nullptr, 0);
    return pid < 0 ? "no child" : out;
}

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tavimor-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;  // most tests make no such folder
        fs::permissions(folder_ / "ro", fs::perms::owner_all, ignored);
        fs::remove_all(folder_);
    }

    fs::path write(const std::string& name, const std::string& bytes) const {
        const fs::path file = folder_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    // A file of `size` zero bytes that takes no disk space.
    fs::path sparse(const std::string& name, std::uintmax_t size) const {
        const fs::path file = write(name, "");
        fs::resize_file(file, size);
        return file;
    }

    // Every file under the folder, with its bytes.
    std::map<fs::path, std::string> contents() const {
        std::map<fs::path, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
            std::error_code loop;  // a link that leads nowhere is listed too
            if (!entry.is_directory(loop)) files[entry.path()] = bytesOf(entry.path());
        }
        return files;
    }

    fs::path folder_;
};

TEST_F(ProfileFile, RefusalsNameTheFileAndTheReasonAndReadNothingBig) {
    // Fields 1 to 3 take 262 bytes; field 4 holds 255 more.
    const std::string cutInSiteName = encodeProfile(richProfile()).value().substr(0, 300);
    struct Case {
        std::string reason;
        std::function<fs::path()> make;
    };
    const std::vector<Case> cases = {
        {"there is no such file", [&] { return folder_ / "missing.dat"; }},
        {"it is a folder, not a file", [&] { return folder_; }},
        {"it is not a regular file",  // a pipe nobody writes to must not hang the load
         [&] {
             const fs::path pipe = folder_ / "pipe.dat";
             EXPECT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
             return pipe;
         }},
        {"it ends before the field \"Name\"", [&] { return write("empty.dat", ""); }},
        {"it ends in the middle of the field \"Site Name\"",
         [&] { return write("cut.dat", cutInSiteName); }},
        {"it is 2097153 bytes long, more than the 2 MiB a profile file can be, so it was not read",
         [&] { return sparse("huge.dat", kMaxProfileFileSize + 1); }},
    };
    for (const Case& c : cases) {
        const fs::path file = c.make();
        SCOPED_TRACE(file.string());
        const ProfileResult<SiteProfile> loaded = readProfileFile(file);
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.error().message.english(),
                  "Cannot load the profile \"" + file.string() + "\": " + c.reason + ".");
    }
    // One exactly at the limit is read: its zero bytes make 25 empty fields
    // and the rest is trailing bytes. (The fuzz target reads every other.)
    EXPECT_EQ(readProfileFile(sparse("limit.dat", kMaxProfileFileSize)).value(), SiteProfile{});
}

// A new file is its owner's alone, a replaced one keeps its permissions, a
// link (or a link to a link) keeps pointing where it did, even where no file
// was yet, and no temporary file stays behind.
TEST_F(ProfileFile, WritesWholeFilesWithTheRightPermissions) {
    const std::string bytes = referenceEncoding(richProfile());
    write("shared.dat", "old");
    fs::permissions(folder_ / "shared.dat", fs::perms(0640));
    // Shared with a group of its own, which only root can give it here.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown((folder_ / "shared.dat").c_str(), 0, 65534) == 0);
    write("target.dat", "old");
    fs::create_directory(folder_ / "in");
    fs::create_symlink("../target.dat", folder_ / "in/link.dat");
    fs::create_symlink(folder_ / "in/link.dat", folder_ / "chain.dat");
    fs::create_symlink("made.dat", folder_ / "dangling.dat");
    for (const char* name : {"new.dat", "shared.dat", "chain.dat", "dangling.dat"}) {
        EXPECT_EQ(writeProfileFile(folder_ / name, richProfile()), std::nullopt) << name;
    }
    EXPECT_EQ(modeOf(folder_ / "new.dat"), 0600u);
    EXPECT_EQ(modeOf(folder_ / "shared.dat"), 0640u);
    struct stat shared {};
    ASSERT_EQ(::stat((folder_ / "shared.dat").c_str(), &shared), 0);
    EXPECT_TRUE(!root || shared.st_gid == 65534u) << "the file's group was not kept";
    for (const char* name : {"in/link.dat", "chain.dat", "dangling.dat"}) {
        EXPECT_TRUE(fs::is_symlink(folder_ / name)) << name;
    }
    for (const char* name : {"new.dat", "shared.dat", "target.dat", "made.dat"}) {
        EXPECT_EQ(bytesOf(folder_ / name), bytes) << name;
    }
    EXPECT_EQ(contents().size(), 7u) << "a temporary file stayed";
}

// Read-only folders and files for a user who is not root, a file size limit
// that stands for a full disk, and targets that cannot be files: each fails
// with a message saying why, and leaves every file as it was.
TEST_F(ProfileFile, AFailedWriteSaysWhyAndLeavesEveryFileAsItWas) {
    const std::string old = referenceEncoding(richProfile());
    fs::create_directory(folder_ / "ro");
    fs::create_directory(folder_ / "rw");
    write("ro/kept.dat", old);
    write("rw/locked.dat", old);
    write("kept.dat", old);
    fs::permissions(folder_ / "ro/kept.dat", fs::perms(0666));
    fs::permissions(folder_ / "rw/locked.dat", fs::perms(0444));
    fs::permissions(folder_ / "rw", fs::perms(0777));
    fs::permissions(folder_ / "ro", fs::perms(0555));
    fs::permissions(folder_, fs::perms(0755));
    const auto asNobody = [] {  // root would write anywhere
        return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
    };
    const auto sizeLimit = [](rlim_t bytes) {
        return [bytes] {  // past the limit write() fails with EFBIG instead of killing us
            const rlimit limit{bytes, bytes};
            return ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        };
    };
    const auto anyone = [] { return true; };
    SiteProfile tooLarge;
    tooLarge.query2.assign(kMaxProfileFileSize, 'k');
    const std::string kept = " The file was left as it was.";
    struct Case {
        std::string name;
        std::function<bool()> restrict;
        SiteProfile profile;
        std::string reason;
    };
    const Case cases[] = {
        {"ro/new.dat", asNobody, startProfile(), "you have no permission to write in its folder."},
        {"ro/kept.dat", asNobody, startProfile(),
         "you have no permission to write in its folder." + kept},
        {"rw/locked.dat", asNobody, startProfile(), "you have no permission to change it." + kept},
        // Smaller than any write buffer: the full disk must show all the same.
        {"kept.dat", sizeLimit(100), startProfile(),
         "it would be larger than this system lets a file be." + kept},
        {"kept.dat", sizeLimit(20000), richProfile(70000),
         "it would be larger than this system lets a file be." + kept},
        {"kept.dat", anyone, tooLarge,
         "it would be " + std::to_string(kMaxProfileFileSize + 31) +
             " bytes long, more than the 2 MiB a profile file can be." + kept},
        {"rw", anyone, startProfile(), "it is a folder, not a file."},
        {"loop.dat", anyone, startProfile(), "it is a symbolic link that leads round in a circle."},
    };
    fs::create_symlink("loop.dat", folder_ / "loop.dat");
    for (const Case& c : cases) {
        const std::map<fs::path, std::string> before = contents();
        const fs::path file = folder_ / c.name;
        const std::string shown = inChild([&] {
            if (!c.restrict()) return std::string("could not restrict the child");
            const std::optional<ProfileFileError> failed = writeProfileFile(file, c.profile);
            return failed ? failed->message.english() : "no failure";
        });
        EXPECT_EQ(shown, "Cannot save the profile \"" + file.string() + "\": " + c.reason);
        EXPECT_EQ(contents(), before) << c.name;
    }
}

}  // namespace
}  // namespace tavimor
