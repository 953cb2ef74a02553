#include "profile/profile_fields.h"

namespace tavimor {

const std::array<ProfileField, kProfileFieldCount> kProfileFields = {{
    {"user_name", &SiteProfile::user_name, "Name"},
    {"email", &SiteProfile::email, "Email"},
    {"password", &SiteProfile::password, "Password (for future modifications)"},
    {"site_name", &SiteProfile::site_name, "Site Name"},
    {"site_URL", &SiteProfile::site_URL, "URL"},
    {"logo_location", &SiteProfile::logo_location, "Logo image URL"},
    {"logo_href", &SiteProfile::logo_href, "Logo link URL"},
    {"bg_colour", &SiteProfile::bg_colour, "Background Color"},
    {"alink_colour", &SiteProfile::alink_colour, "Active Link Text Color"},
    {"link_colour", &SiteProfile::link_colour, "Link Text Color"},
    {"sbar_colour", &SiteProfile::sbar_colour, "Search Result Bar Color"},
    {"sbartxt_colour", &SiteProfile::sbartxt_colour, "Search Result Bar Text Color"},
    {"vlink_colour", &SiteProfile::vlink_colour, "Visited Link Text Color"},
    {"link1_title", &SiteProfile::link1_title, "LINK 1 Title"},
    {"link2_title", &SiteProfile::link2_title, "LINK 2 Title"},
    {"link3_title", &SiteProfile::link3_title, "LINK 3 Title"},
    {"link4_title", &SiteProfile::link4_title, "LINK 4 Title"},
    {"link1_url", &SiteProfile::link1_url, "LINK 1 Url"},
    {"link2_url", &SiteProfile::link2_url, "LINK 2 Url"},
    {"link3_url", &SiteProfile::link3_url, "LINK 3 Url"},
    {"link4_url", &SiteProfile::link4_url, "LINK 4 Url"},
    {"country", &SiteProfile::country, "Country Code (2 digit code)"},
    {"category", &SiteProfile::category, "Type of Site"},
    {"query2", &SiteProfile::query2, "Keyword"},
    {"category_num", &SiteProfile::category_num, "Target category"},
}};

std::string_view fieldLabel(std::string SiteProfile::*member) {
    for (const ProfileField& field : kProfileFields) {
        if (field.member == member) return field.label;
    }
    return {};
}

}  // namespace tavimor
