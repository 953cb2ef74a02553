#include "profile/profile_codec.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "profile/profile_fields.h"
#include "profile_samples.h"

namespace tavimor {
namespace {

using namespace std::string_literals;

TEST(ProfileCodec, WritesAndReadsTheDocumentedExample) {
    SiteProfile profile;
    profile.user_name = "Ann";
    profile.site_URL = "http://";
    // clang-format off
    const std::string expected = "\x03" "Ann" "\0\0\0" "\x07" "http://"s + std::string(20, '\0');
    // clang-format on
    EXPECT_EQ(encodeProfile(profile).value(), expected);
    EXPECT_EQ(decodeProfile(expected).value(), profile);
}

// Each field holding its own name shows the file's order of fields; it is
// what other programs that read profile files rely on.
TEST(ProfileCodec, StoresTheFieldsInTheFileOrder) {
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) profile.*field.member = field.key;
    // clang-format off
    EXPECT_EQ(encodeProfile(profile).value(),
              "\x09user_name\x05" "email\x08password\x09site_name\x08site_URL\x0Dlogo_location"
              "\x09logo_href\x09" "bg_colour\x0C" "alink_colour\x0Blink_colour\x0Bsbar_colour"
              "\x0Esbartxt_colour\x0Cvlink_colour\x0Blink1_title\x0Blink2_title\x0Blink3_title"
              "\x0Blink4_title\x09link1_url\x09link2_url\x09link3_url\x09link4_url\x07" "country"
              "\x08" "category\x06query2\x0C" "category_num");
    // clang-format on
    // Test failures print a record field by field, its bytes escaped.
    profile.vlink_colour = "Navy\n\"x\"\x7F";
    std::ostringstream printed;
    printed << profile;
    EXPECT_NE(printed.str().find("\n  vlink_colour=\"Navy\\x0A\\\"x\\\"\\x7F\"\n"),
              std::string::npos)
        << printed.str();
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

// Each length is written in the shortest form that cannot be mistaken for
// the escape to a longer one, and reads back. (The fuzz target reads the
// longer forms too.)
TEST(ProfileCodec, UsesTheShortestLengthFormAndRoundTrips) {
    // clang-format off
    const std::pair<std::size_t, std::string> kPrefixes[] = {
        {0, "\x00"s}, {254, "\xFE"s}, {255, "\xFF\xFF\x00"s}, {256, "\xFF\x00\x01"s},
        {0xFFFD, "\xFF\xFD\xFF"s}, {0xFFFE, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
        {0xFFFF, "\xFF\xFF\xFF\xFF\xFF\x00\x00"s}, {70000, "\xFF\xFF\xFF\x70\x11\x01\x00"s}};
    // clang-format on
    for (const auto& [length, prefix] : kPrefixes) {
        SiteProfile profile;
        profile.logo_href = patternText(length);
        const std::string expected =
            std::string(6, '\0') + prefix + profile.logo_href + std::string(18, '\0');
        EXPECT_EQ(encodeProfile(profile).value(), expected) << "length " << length;
        EXPECT_EQ(decodeProfile(expected).value(), profile);
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
        const std::string where =
            (cut == fieldStarts[field] ? "ends before the field \""
                                       : "ends in the middle of the field \"") +
            std::string(kProfileFields[field].label.source) + "\"";
        const ProfileResult<SiteProfile> decoded =
            decodeProfile(std::string_view(bytes).substr(0, cut));
        ASSERT_FALSE(decoded) << "cut at " << cut;
        EXPECT_NE(decoded.error().message.english().find(where), std::string::npos)
            << "cut at " << cut << ": " << decoded.error().message;
    }
}

TEST(ProfileCodec, AHugeDeclaredLengthIsRefusedWithoutAllocatingIt) {
    const std::string bytes = std::string(6, '\0') +
                              "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"
                              "abc"s;
    const ProfileResult<SiteProfile> decoded = decodeProfile(bytes);
    ASSERT_FALSE(decoded);
    EXPECT_EQ(decoded.error().message.english(),
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
    EXPECT_EQ(tooLarge.error().message.english(),
              "it would be " + std::to_string(kMaxProfileFileSize + 1) +
                  " bytes long, more than the 2 MiB a profile file can be");
}

}  // namespace
}  // namespace tavimor
