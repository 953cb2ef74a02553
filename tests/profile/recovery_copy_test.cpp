#include "profile/recovery_copy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <set>

#include "profile_samples.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

unsigned modeOf(const fs::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

// Each running instance writes a copy of its own, owner-only; only the copy
// of an instance that ended (crashed in a child process, or gone here) is
// claimed, by one claimant at a time; removing a copy leaves nothing behind.
TEST(RecoveryCopies, EachInstanceKeepsItsOwnAndOnlyEndedOnesAreClaimed) {
    std::string pattern = (fs::temp_directory_path() / "tavimor-recovery-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path folder = fs::path(pattern) / "data" / "recovery";

    const pid_t child = ::fork();
    if (child == 0) {  // writes a copy and ends without cleaning up, as a crash would
        RecoveryCopy crashed(folder);
        ::_exit(crashed.write(richProfile()) ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(status, 0);

    auto mine = std::make_unique<RecoveryCopy>(folder);
    RecoveryCopy other(folder);
    ASSERT_FALSE(mine->write(startProfile()));
    ASSERT_FALSE(other.write(SiteProfile{}));
    EXPECT_NE(mine->file(), other.file());
    EXPECT_EQ(bytesOf(mine->file()), referenceEncoding(startProfile()));
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(mine->file()), 0600u);

    std::optional<OrphanedCopy> crashed = OrphanedCopy::claim(folder);
    ASSERT_TRUE(crashed);
    EXPECT_EQ(bytesOf(crashed->file()), referenceEncoding(richProfile()));
    EXPECT_FALSE(OrphanedCopy::claim(folder)) << "claimed twice, or a live instance's copy";
    crashed->remove();

    const fs::path left = mine->file();
    mine.reset();
    std::optional<OrphanedCopy> ended = OrphanedCopy::claim(folder);
    ASSERT_TRUE(ended);
    EXPECT_EQ(ended->file(), left);
    ended->remove();
    other.remove();
    EXPECT_TRUE(namesIn(folder).empty()) << *namesIn(folder).begin();
    fs::remove_all(pattern);
}

}  // namespace
}  // namespace tavimor
