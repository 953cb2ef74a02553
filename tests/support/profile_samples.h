#pragma once

// Sample records and a second, deliberately naive encoder to check the
// codec's output against.

#include <cstdint>
#include <string>

#include "profile/profile_fields.h"
#include "profile/site_profile.h"

namespace tavimor {

// `length` bytes running through every byte value, NUL and 0xFF included.
inline std::string patternText(std::size_t length, unsigned seed = 0) {
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>((i * 7 + seed) & 0xFF);
    return text;
}

// What a freshly started dialog holds, written out here rather than taken
// from the binding table, so that a wrong start text there shows.
inline SiteProfile startProfile() {
    SiteProfile p;
    for (std::string* url : {&p.site_URL, &p.logo_location, &p.logo_href, &p.link1_url,
                             &p.link2_url, &p.link3_url, &p.link4_url}) {
        *url = "http://";
    }
    for (std::string* pick : {&p.bg_colour, &p.alink_colour, &p.link_colour, &p.sbar_colour,
                              &p.sbartxt_colour, &p.vlink_colour, &p.category}) {
        *pick = "Please Select One";
    }
    p.category_num = "All Categories";
    return p;
}

// Fields of lengths on both sides of the one-byte limit; the last field gets
// `lastLength` bytes when that is not zero.
inline SiteProfile richProfile(std::size_t lastLength = 0) {
    constexpr std::size_t kLengths[] = {0, 5, 254, 255, 40};
    SiteProfile profile;
    unsigned seed = 0;
    for (const ProfileField& field : kProfileFields) {
        profile.*field.member = patternText(kLengths[seed % 5], seed);
        ++seed;
    }
    if (lastLength > 0) profile.category_num = patternText(lastLength, 3);
    return profile;
}

inline std::string referenceEncoding(const std::string& text) {
    const std::uint64_t n = text.size();
    std::string out;
    if (n < 255) {
        out += static_cast<char>(n);
    } else if (n < 0xFFFE) {
        out += {'\xFF', static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)};
    } else {
        out += {'\xFF', '\xFF', '\xFF'};
        for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((n >> shift) & 0xFF);
    }
    return out + text;
}

inline std::string referenceEncoding(const SiteProfile& profile) {
    std::string out;
    for (const ProfileField& field : kProfileFields)
        out += referenceEncoding(profile.*field.member);
    return out;
}

}  // namespace tavimor
