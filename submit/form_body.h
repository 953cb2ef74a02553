#pragma once

#include <string>
#include <string_view>

#include "profile/site_profile.h"

namespace tavimor {

// Where the registration form is posted.
inline constexpr std::string_view kRegistrationPath = "/cgi-bin/forever_cust.cgi";

// The eight values the service receives as codes instead of the names the
// user picked. Members are named after the form key that carries them.
struct RegistrationCodes {
    std::string bg_colour;
    std::string alink_colour;
    std::string vlink_colour;
    std::string sbartxt_colour;
    std::string sbar_colour;
    std::string link_colour;
    std::string category;
    std::string category_num;

    bool operator==(const RegistrationCodes&) const = default;
};

// Translates the six colour names and the two category names of `profile`.
RegistrationCodes ComputeRegistrationCodes(const SiteProfile& profile);

// The request body: 25 "key=value" pairs in the service's order (not the
// record's), each value form-encoded, then the fixed "submit" pair. Joined by
// "&", with no "&" at the end and no line break.
std::string BuildRegistrationBody(const SiteProfile& profile, const RegistrationCodes& codes);
std::string BuildRegistrationBody(const SiteProfile& profile);

}  // namespace tavimor
