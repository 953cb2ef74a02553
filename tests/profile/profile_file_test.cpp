#include "profile/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <tuple>
#include <fstream>
#include <functional>

#include "heap_meter.h"
#include "profile_samples.h"

namespace tavimor {
namespace {

namespace fs = std::filesystem;

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tavimor-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

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
        {"there is no such file", [&] { return folder_ / "missing" / "x.dat"; }},
        {"it is a folder, not a file", [&] { return folder_; }},
        {"it is not a regular file",  // a pipe nobody writes to must not hang the load
         [&] {
             const fs::path pipe = folder_ / "pipe.dat";
             EXPECT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
             return pipe;
         }},
        {"it ends before field 1 (user_name), after 0 bytes", [&] { return write("empty.dat", ""); }},
        {"it ends in the middle of field 4 (site_name), which declares 255 bytes at offset 262 where only 35 remain",
         [&] { return write("cut.dat", cutInSiteName); }},
        {"it is 67108865 bytes long, more than the 64 MiB a profile file can be, so it was not read",
         [&] { return sparse("huge.dat", kMaxProfileFileSize + 1); }},
    };
    for (const Case& c : cases) {
        const fs::path file = c.make();
        SCOPED_TRACE(file.string());
        const testing::HeapMeter heap;
        const ProfileResult<SiteProfile> loaded = readProfileFile(file);
        ASSERT_FALSE(loaded);
        const std::string& message = loaded.error().message;
        EXPECT_EQ(message.rfind("Cannot load the profile \"" + file.string() + "\": " + c.reason, 0), 0u)
            << message;
        EXPECT_LT(heap.peakGrowth(), 64u * 1024) << message;
    }
}

// What the encoder wrote reads back in about its size of memory. A file
// exactly at the size limit is allowed: its zero bytes make 25 empty fields
// and the rest is trailing bytes that are never read.
TEST_F(ProfileFile, ReadsWhatTheEncoderWroteInAboutItsSizeOfMemory) {
    SiteProfile large;
    for (const ProfileField& field : kProfileFields) large.*field.member = patternText(1 << 20);
    const auto encoded = [&](const char* name, const SiteProfile& profile) {
        return std::tuple{write(name, encodeProfile(profile).value()), profile, true};
    };
    const std::tuple<fs::path, SiteProfile, bool> cases[] = {
        encoded("start.dat", startProfile()), encoded("rich.dat", richProfile(70000)),
        encoded("large.dat", large), {sparse("limit.dat", kMaxProfileFileSize), SiteProfile{}, false}};
    for (const auto& [file, profile, readsAll] : cases) {
        const std::uintmax_t bound = readsAll ? fs::file_size(file) : 0;
        const testing::HeapMeter heap;
        const ProfileResult<SiteProfile> loaded = readProfileFile(file);
        ASSERT_TRUE(loaded) << loaded.error().message;
        EXPECT_LT(heap.peakGrowth(), bound + bound / 20 + 64 * 1024) << file;
        EXPECT_TRUE(loaded.value() == profile) << file;
    }
}

}  // namespace
}  // namespace tavimor
