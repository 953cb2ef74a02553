#include "submit/form_body.h"

#include <gtest/gtest.h>

#include <string>

#include "submit/form_encoding.h"

namespace tavimor {
namespace {

TEST(FormEncoding, EscapesEverythingThatCouldSplitOrGarbleAValue) {
    const struct {
        std::string value;
        std::string encoded;
    } cases[] = {
        {"Tom & Jerry", "Tom+%26+Jerry"},
        {"a+b=c%d", "a%2Bb%3Dc%25d"},
        {"http://", "http%3A%2F%2F"},
        {"line\r\nbreak", "line%0D%0Abreak"},
        {"*-._~!AZaz09@[`{/:", "*-._%7E%21AZaz09%40%5B%60%7B%2F%3A"},
        {std::string("\x00\x7F\x80\xE9\xFF", 5), "%00%7F%80%E9%FF"},
    };
    for (const auto& c : cases) EXPECT_EQ(encodeFormValue(c.value), c.encoded) << c.value;
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

}  // namespace
}  // namespace tavimor
