// Arbitrary texts in all 25 fields of a profile, built into the registration
// body and decoded again by a plain form decoder written here, the way the
// service's side reads it. Each run checks that
//  - the body holds the 26 pairs in the service's order and nothing else,
//    using only bytes that need no further escaping;
//  - every field comes back byte for byte, and every coded key carries the
//    code of its own field's name;
//  - encodeFormValue alone round-trips the whole input too.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "profile/profile_fields.h"
#include "submit/category_codes.h"
#include "submit/colour_codes.h"
#include "submit/form_body.h"
#include "submit/form_encoding.h"

namespace {

using namespace tavimor;

// What the service must find under each key, in the order it reads them.
struct ExpectedPair {
    std::string_view key;
    std::string value;
};

std::vector<ExpectedPair> expectedPairs(const SiteProfile& p) {
    return {
        {"site_name", p.site_name}, {"site_URL", p.site_URL}, {"email", p.email},
        {"user_name", p.user_name}, {"password", p.password}, {"country", p.country},
        {"category", SiteCategoryCode(p.category)}, {"logo_location", p.logo_location},
        {"logo_href", p.logo_href}, {"bg_colour", BackgroundColourCode(p.bg_colour)},
        {"link_colour", LinkColourCode(p.link_colour)},
        {"vlink_colour", VisitedLinkColourCode(p.vlink_colour)},
        {"alink_colour", ActiveLinkColourCode(p.alink_colour)},
        {"sbar_colour", ResultBarColourCode(p.sbar_colour)},
        {"sbartxt_colour", ResultBarTextColourCode(p.sbartxt_colour)},
        {"link1_title", p.link1_title}, {"link1_url", p.link1_url}, {"link2_title", p.link2_title},
        {"link2_url", p.link2_url}, {"link3_title", p.link3_title}, {"link3_url", p.link3_url},
        {"link4_title", p.link4_title}, {"link4_url", p.link4_url},
        {"category_num", TargetCategoryCode(p.category_num)}, {"query2", p.query2},
        {"submit", "Click Here For Search Code"},
    };
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// application/x-www-form-urlencoded as a receiving form decoder reads one
// name or value; nullopt for a "%" without two hex digits.
FUZZ_ORACLE std::optional<std::string> formDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

FUZZ_ORACLE std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

FUZZ_ORACLE bool isBodyByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' ||
           c == '-' || c == '.' || c == '_' || c == '+' || c == '%' || c == '&' || c == '=';
}

// Where the first byte that a form decoder would not take literally stands.
FUZZ_ORACLE std::size_t firstStrayByte(std::string_view body) {
    std::size_t i = 0;
    while (i < body.size() && isBodyByte(body[i])) ++i;
    return i;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> whole = formDecode(encodeFormValue(raw));
    FUZZ_CHECK(whole && *whole == raw, "encodeFormValue does not round-trip %zu bytes", size);

    FuzzedDataProvider input(data, size);
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) profile.*field.member = input.ConsumeRandomLengthString();

    const std::string body = BuildRegistrationBody(profile);
    const std::size_t stray = firstStrayByte(body);
    FUZZ_CHECK(stray == body.size(), "byte 0x%02X is in the body unescaped", static_cast<unsigned char>(body[stray]));

    const std::vector<ExpectedPair> expected = expectedPairs(profile);
    const std::vector<std::string_view> pairs = splitAt(body, '&');
    FUZZ_CHECK(pairs.size() == expected.size(), "%zu pairs in the body instead of %zu", pairs.size(), expected.size());
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const std::vector<std::string_view> nameAndValue = splitAt(pairs[i], '=');
        FUZZ_CHECK(nameAndValue.size() == 2 && nameAndValue[0] == expected[i].key,
                   "pair %zu is not \"%.*s=...\"", i + 1, static_cast<int>(expected[i].key.size()),
                   expected[i].key.data());
        const std::optional<std::string> value = formDecode(nameAndValue[1]);
        FUZZ_CHECK(value && *value == expected[i].value, "%.*s: the value differs",
                   static_cast<int>(expected[i].key.size()), expected[i].key.data());
    }
    return 0;
}
