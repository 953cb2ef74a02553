#include "profile/profile_fields.h"

namespace tavimor {

const std::array<ProfileField, kProfileFieldCount> kProfileFields = {{
    {"user_name", &SiteProfile::user_name, TAVIMOR_TRANSLATE_NOOP("ProfileField", "Name")},
    {"email", &SiteProfile::email, TAVIMOR_TRANSLATE_NOOP("ProfileField", "Email")},
    {"password", &SiteProfile::password,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Password (for future modifications)")},
    {"site_name", &SiteProfile::site_name, TAVIMOR_TRANSLATE_NOOP("ProfileField", "Site Name")},
    {"site_URL", &SiteProfile::site_URL, TAVIMOR_TRANSLATE_NOOP("ProfileField", "URL")},
    {"logo_location", &SiteProfile::logo_location,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Logo image URL")},
    {"logo_href", &SiteProfile::logo_href, TAVIMOR_TRANSLATE_NOOP("ProfileField", "Logo link URL")},
    {"bg_colour", &SiteProfile::bg_colour,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Background Color")},
    {"alink_colour", &SiteProfile::alink_colour,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Active Link Text Color")},
    {"link_colour", &SiteProfile::link_colour,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Link Text Color")},
    {"sbar_colour", &SiteProfile::sbar_colour,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Search Result Bar Color")},
    {"sbartxt_colour", &SiteProfile::sbartxt_colour,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Search Result Bar Text Color")},
    {"vlink_colour", &SiteProfile::vlink_colour,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Visited Link Text Color")},
    {"link1_title", &SiteProfile::link1_title,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 1 Title")},
    {"link2_title", &SiteProfile::link2_title,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 2 Title")},
    {"link3_title", &SiteProfile::link3_title,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 3 Title")},
    {"link4_title", &SiteProfile::link4_title,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 4 Title")},
    {"link1_url", &SiteProfile::link1_url, TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 1 Url")},
    {"link2_url", &SiteProfile::link2_url, TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 2 Url")},
    {"link3_url", &SiteProfile::link3_url, TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 3 Url")},
    {"link4_url", &SiteProfile::link4_url, TAVIMOR_TRANSLATE_NOOP("ProfileField", "LINK 4 Url")},
    {"country", &SiteProfile::country,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Country Code (2 digit code)")},
    {"category", &SiteProfile::category, TAVIMOR_TRANSLATE_NOOP("ProfileField", "Type of Site")},
    {"query2", &SiteProfile::query2, TAVIMOR_TRANSLATE_NOOP("ProfileField", "Keyword")},
    {"category_num", &SiteProfile::category_num,
     TAVIMOR_TRANSLATE_NOOP("ProfileField", "Target category")},
}};

TranslatableText fieldLabel(std::string SiteProfile::*member) {
    for (const ProfileField& field : kProfileFields) {
        if (field.member == member) return field.label;
    }
    return {};
}

}  // namespace tavimor
