#include "profile/profile_fields.h"

namespace tavimor {
namespace {

constexpr std::string_view kEmpty = "";
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kPleaseSelect = "Please Select One";

using enum ControlId;

}  // namespace

const std::array<ProfileField, kProfileFieldCount> kProfileFields = {{
    {"user_name", &SiteProfile::user_name, NameEdit, "Name", kEmpty},
    {"email", &SiteProfile::email, EmailEdit, "Email", kEmpty},
    {"password", &SiteProfile::password, PasswordEdit, "Password (for future modifications)",
     kEmpty},
    {"site_name", &SiteProfile::site_name, SiteNameEdit, "Site Name", kEmpty},
    {"site_URL", &SiteProfile::site_URL, SiteUrlEdit, "URL", kHttp},
    {"logo_location", &SiteProfile::logo_location, LogoImageEdit, "Logo image URL", kHttp},
    {"logo_href", &SiteProfile::logo_href, LogoLinkEdit, "Logo link URL", kHttp},
    {"bg_colour", &SiteProfile::bg_colour, BackgroundColourCombo, "Background Color",
     kPleaseSelect},
    {"alink_colour", &SiteProfile::alink_colour, ActiveLinkColourCombo, "Active Link Text Color",
     kPleaseSelect},
    {"link_colour", &SiteProfile::link_colour, LinkColourCombo, "Link Text Color", kPleaseSelect},
    {"sbar_colour", &SiteProfile::sbar_colour, ResultBarColourCombo, "Search Result Bar Color",
     kPleaseSelect},
    {"sbartxt_colour", &SiteProfile::sbartxt_colour, ResultBarTextColourCombo,
     "Search Result Bar Text Color", kPleaseSelect},
    {"vlink_colour", &SiteProfile::vlink_colour, VisitedLinkColourCombo, "Visited Link Text Color",
     kPleaseSelect},
    {"link1_title", &SiteProfile::link1_title, Link1TitleEdit, "LINK 1 Title", kEmpty},
    {"link2_title", &SiteProfile::link2_title, Link2TitleEdit, "LINK 2 Title", kEmpty},
    {"link3_title", &SiteProfile::link3_title, Link3TitleEdit, "LINK 3 Title", kEmpty},
    {"link4_title", &SiteProfile::link4_title, Link4TitleEdit, "LINK 4 Title", kEmpty},
    {"link1_url", &SiteProfile::link1_url, Link1UrlEdit, "LINK 1 Url", kHttp},
    {"link2_url", &SiteProfile::link2_url, Link2UrlEdit, "LINK 2 Url", kHttp},
    {"link3_url", &SiteProfile::link3_url, Link3UrlEdit, "LINK 3 Url", kHttp},
    {"link4_url", &SiteProfile::link4_url, Link4UrlEdit, "LINK 4 Url", kHttp},
    {"country", &SiteProfile::country, CountryEdit, "Country Code (2 digit code)", kEmpty},
    {"category", &SiteProfile::category, SiteTypeCombo, "Type of Site", kPleaseSelect},
    {"query2", &SiteProfile::query2, KeywordEdit, "Keyword", kEmpty},
    {"category_num", &SiteProfile::category_num, TargetCategoryCombo, "Target category",
     "All Categories"},
}};

}  // namespace tavimor
