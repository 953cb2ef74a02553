#pragma once

#include <iosfwd>
#include <string>

namespace tavimor {

// The 25 values of the form, each exactly the text its control showed: any
// bytes, any length, empty allowed. Nothing here trims, escapes or validates;
// colour and category names are translated only when a submission is built.
// Members stand in the canonical order, which is also the profile file order.
struct SiteProfile {
    std::string user_name;
    std::string email;
    std::string password;
    std::string site_name;
    std::string site_URL;
    std::string logo_location;
    std::string logo_href;
    std::string bg_colour;
    std::string alink_colour;
    std::string link_colour;
    std::string sbar_colour;
    std::string sbartxt_colour;
    std::string vlink_colour;
    std::string link1_title;
    std::string link2_title;
    std::string link3_title;
    std::string link4_title;
    std::string link1_url;
    std::string link2_url;
    std::string link3_url;
    std::string link4_url;
    std::string country;
    std::string category;
    std::string query2;
    std::string category_num;

    bool operator==(const SiteProfile&) const = default;
};

// One line per field, `key="value"` with unprintable bytes escaped, so that a
// failing comparison in a test shows which field differs.
std::ostream& operator<<(std::ostream& out, const SiteProfile& profile);
void PrintTo(const SiteProfile& profile, std::ostream* out);

}  // namespace tavimor
