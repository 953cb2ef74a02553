#include "submit/form_body.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "profile/profile_fields.h"
#include "submit/form_encoding.h"

namespace tavimor {
namespace {

TEST(FormEncoding, EscapesEverythingThatCouldSplitOrGarbleAValue) {
    const struct {
        std::string value;
        std::string encoded;
    } cases[] = {
        {"", ""},
        {"Tom & Jerry", "Tom+%26+Jerry"},
        {"a+b=c%d", "a%2Bb%3Dc%25d"},
        {"http://", "http%3A%2F%2F"},
        {"#FF0000", "%23FF0000"},
        {"line\r\nbreak", "line%0D%0Abreak"},
        {"*-._~!", "*-._%7E%21"},
        {"AZaz09", "AZaz09"},
        {std::string("\x00\x7F\x80\xE9\xFF", 5), "%00%7F%80%E9%FF"},
    };
    for (const auto& c : cases) EXPECT_EQ(encodeFormValue(c.value), c.encoded) << c.value;
}

TEST(FormEncoding, EveryByteBecomesOneSafeTokenOfUppercaseHex) {
    for (int b = 0; b < 256; ++b) {
        const std::string encoded = encodeFormValue(std::string(1, static_cast<char>(b)));
        if (encoded.size() == 1) {
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(encoded[0])) ||
                        std::string("*-._+").find(encoded[0]) != std::string::npos)
                << b;
        } else {
            ASSERT_EQ(encoded.size(), 3u) << b;
            EXPECT_EQ(encoded[0], '%');
            EXPECT_EQ(std::stoi(encoded.substr(1), nullptr, 16), b);
            EXPECT_EQ(encoded.find_first_of("abcdef"), std::string::npos) << encoded;
        }
    }
}

// The body of a profile with every field empty, byte for byte: each plain key
// ends in "=" with the next literal right after it, the coded keys carry the
// translations' defaults, and nothing follows the fixed last pair.
TEST(RegistrationBody, EmptyProfile) {
    EXPECT_EQ(BuildRegistrationBody(SiteProfile{}),
              "site_name=&site_URL=&email=&user_name=&password=&country=&category=1031"
              "&logo_location=&logo_href=&bg_colour=%23FFFFFF&link_colour=%23236B8E"
              "&vlink_colour=%232F2F4F&alink_colour=%23236B8E&sbar_colour=%2300FFFF"
              "&sbartxt_colour=%232F2F4F&link1_title=&link1_url=&link2_title=&link2_url="
              "&link3_title=&link3_url=&link4_title=&link4_url=&category_num=none&query2="
              "&submit=Click+Here+For+Search+Code");
}

// What an untouched dialog sends: its start texts, in the service's order.
TEST(RegistrationBody, DialogStartTexts) {
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) profile.*field.member = field.startText;
    EXPECT_EQ(BuildRegistrationBody(profile),
              "site_name=&site_URL=http%3A%2F%2F&email=&user_name=&password=&country="
              "&category=1031&logo_location=http%3A%2F%2F&logo_href=http%3A%2F%2F"
              "&bg_colour=%23FFFFFF&link_colour=%23236B8E&vlink_colour=%232F2F4F"
              "&alink_colour=%23236B8E&sbar_colour=%2300FFFF&sbartxt_colour=%232F2F4F"
              "&link1_title=&link1_url=http%3A%2F%2F&link2_title=&link2_url=http%3A%2F%2F"
              "&link3_title=&link3_url=http%3A%2F%2F&link4_title=&link4_url=http%3A%2F%2F"
              "&category_num=none&query2=&submit=Click+Here+For+Search+Code");
}

// Each coded key carries the translation of its own field: "creme" means
// Khaki to the link colour and Light Wood to every other box.
TEST(RegistrationCodes, EachKeyTranslatesItsOwnField) {
    SiteProfile profile;
    profile.bg_colour = "Red";
    profile.alink_colour = "Blue";
    profile.vlink_colour = "Teal";
    profile.sbartxt_colour = "Navy";
    profile.sbar_colour = "Gold";
    profile.link_colour = "creme";
    profile.category = "none of these";
    profile.category_num = "All Categories";
    const RegistrationCodes codes = ComputeRegistrationCodes(profile);
    EXPECT_EQ(codes, (RegistrationCodes{"#FF0000", "#0000FF", "#008080", "#000080", "#FFCC35",
                                        "#9F9F5F", "1031", "none"}));
}

}  // namespace
}  // namespace tavimor
