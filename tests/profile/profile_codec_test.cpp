#include "profile/profile_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "heap_meter.h"
#include "profile/profile_fields.h"
#include "profile_samples.h"

namespace tavimor {
namespace {

using namespace std::string_literals;

TEST(ProfileCodec, WritesAndReadsTheDocumentedExample) {
    SiteProfile profile;
    profile.user_name = "Ann";
    profile.site_URL = "http://";
    const std::string expected = "\x03" "Ann" "\0\0\0" "\x07" "http://"s + std::string(20, '\0');
    ASSERT_EQ(expected.size(), 35u);
    EXPECT_EQ(encodeProfile(profile).value(), expected);
    EXPECT_EQ(decodeProfile(expected).value(), profile);
}

TEST(ProfileCodec, MatchesAnIndependentEncoderAndRoundTripsIgnoringTrailingBytes) {
    for (const SiteProfile& profile : {startProfile(), richProfile(), richProfile(0x11170)}) {
        const ProfileResult<std::string> bytes = encodeProfile(profile);
        ASSERT_TRUE(bytes) << bytes.error().message;
        EXPECT_EQ(bytes.value(), referenceEncoding(profile));
        EXPECT_EQ(decodeProfile(bytes.value()).value(), profile);
        EXPECT_EQ(decodeProfile(bytes.value() + "\xFF\xFF\x07trailer"s).value(), profile);
    }
}

struct PrefixCase {
    std::size_t length;
    std::string prefix;

    friend void PrintTo(const PrefixCase& c, std::ostream* out) { *out << "length " << c.length; }
};

class ProfileLengthPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(ProfileLengthPrefix, UsesTheShortestFormAndRoundTrips) {
    const auto& [length, prefix] = GetParam();
    SiteProfile profile;
    profile.logo_href = patternText(length);
    const std::string expected = std::string(6, '\0') + prefix + profile.logo_href + std::string(18, '\0');
    EXPECT_EQ(encodeProfile(profile).value(), expected);
    EXPECT_EQ(decodeProfile(expected).value(), profile);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ProfileLengthPrefix,
    ::testing::Values(PrefixCase{0, "\x00"s}, PrefixCase{254, "\xFE"s},
                      PrefixCase{255, "\xFF\xFF\x00"s}, PrefixCase{256, "\xFF\x00\x01"s},
                      PrefixCase{0xFFFD, "\xFF\xFD\xFF"s},
                      PrefixCase{0xFFFE, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
                      PrefixCase{0xFFFF, "\xFF\xFF\xFF\xFF\xFF\x00\x00"s},
                      PrefixCase{70000, "\xFF\xFF\xFF\x70\x11\x01\x00"s}),
    [](const ::testing::TestParamInfo<PrefixCase>& info) { return "Length" + std::to_string(info.param.length); });

TEST(ProfileCodec, AcceptsLongerLengthFormsThanNeeded) {
    const std::string rest(24, '\0');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\xFF\x03\x00" "Ann"s, "Ann"},
        {"\xFF\xFF\xFF\x03\x00\x00\x00" "Ann"s, "Ann"},
        {"\xFF\x00\x00"s, ""},
        {"\xFF\xFF\xFF\x00\x00\x00\x00"s, ""},
        // A 16-bit 0xFFFE is a plain length, although a writer uses 32 bits for it.
        {"\xFF\xFE\xFF"s + std::string(0xFFFE, 'q'), std::string(0xFFFE, 'q')},
    };
    for (const auto& [bytes, userName] : cases) {
        const ProfileResult<SiteProfile> decoded = decodeProfile(bytes + rest);
        ASSERT_TRUE(decoded) << decoded.error().message;
        EXPECT_EQ(decoded.value().user_name, userName);
        EXPECT_EQ(decoded.value().email, "");
    }
}

TEST(ProfileCodec, EveryCutNamesTheFieldItFallsIn) {
    // The last field takes the 32-bit form; every cut up to a little into its
    // text is tried, and a sample of those further in.
    const SiteProfile profile = richProfile(0xFFFE);
    const std::string bytes = encodeProfile(profile).value();
    std::vector<std::size_t> fieldStarts;
    std::size_t start = 0;
    for (const ProfileField& field : kProfileFields) {
        fieldStarts.push_back(start);
        start += referenceEncoding(profile.*field.member).size();
    }
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        if (cut > fieldStarts.back() + 16 && cut % 4099 != 0 && cut != bytes.size() - 1) continue;
        std::size_t field = 0;
        while (field + 1 < fieldStarts.size() && fieldStarts[field + 1] <= cut) ++field;
        const std::string where = (cut == fieldStarts[field] ? "ends before the field \"" : "ends in the middle of the field \"") +
                                  std::string(kProfileFields[field].label) + "\"";
        const ProfileResult<SiteProfile> decoded = decodeProfile(std::string_view(bytes).substr(0, cut));
        ASSERT_FALSE(decoded) << "cut at " << cut;
        EXPECT_NE(decoded.error().message.find(where), std::string::npos)
            << "cut at " << cut << ": " << decoded.error().message;
    }
}

TEST(ProfileCodec, AHugeDeclaredLengthIsRefusedWithoutAllocatingIt) {
    const std::string bytes = std::string(6, '\0') + "\xFF\xFF\xFF\xFF\xFF\xFF\xFF" "abc"s;
    const testing::HeapMeter heap;
    const ProfileResult<SiteProfile> decoded = decodeProfile(bytes);
    ASSERT_FALSE(decoded);
    EXPECT_LT(heap.peakGrowth(), 4096u);
    EXPECT_EQ(decoded.error().message,
              "The profile is incomplete: it ends in the middle of the field \"Logo link URL\".");
    // The numbers a user cannot act on still reach the log.
    EXPECT_EQ(decoded.error().detail,
              "field 7 (logo_href) at offset 6: declares 4294967295 bytes where only 3 remain");
}

TEST(ProfileCodec, RefusesToWriteWhatCouldNotBeReadBack) {
    // One field in the 32-bit form plus 24 empty ones fill the limit exactly.
    SiteProfile profile;
    profile.query2.assign(kMaxProfileFileSize - 7 - 24, 'k');
    EXPECT_EQ(encodeProfile(profile).value().size(), kMaxProfileFileSize);
    profile.query2.push_back('k');
    const ProfileResult<std::string> tooLarge = encodeProfile(profile);
    ASSERT_FALSE(tooLarge);
    EXPECT_EQ(tooLarge.error().message, "it would be " + std::to_string(kMaxProfileFileSize + 1) +
                                            " bytes long, more than the 2 MiB a profile file can be");
}

}  // namespace
}  // namespace tavimor
