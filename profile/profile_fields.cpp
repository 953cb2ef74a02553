#include "profile/profile_fields.h"

namespace tavimor {
namespace {

constexpr std::string_view kEmpty = "";
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kPleaseSelect = "Please Select One";

enum Page { Welcome, ScreenShot, ContactInfo, YourLogo, ColorScheme, FavoriteLinks, TargetSearch };

}  // namespace

const std::array<ProfileField, kProfileFieldCount> kProfileFields = {{
    {"user_name",      &SiteProfile::user_name,      1002, ContactInfo,   "Name",                                kEmpty},
    {"email",          &SiteProfile::email,          1005, ContactInfo,   "Email",                               kEmpty},
    {"password",       &SiteProfile::password,       1011, ContactInfo,   "Password (for future modifications)", kEmpty},
    {"site_name",      &SiteProfile::site_name,      1007, ContactInfo,   "Site Name",                           kEmpty},
    {"site_URL",       &SiteProfile::site_URL,       1009, ContactInfo,   "URL",                                 kHttp},
    {"logo_location",  &SiteProfile::logo_location,  1015, YourLogo,      "Logo image URL",                      kHttp},
    {"logo_href",      &SiteProfile::logo_href,      1018, YourLogo,      "Logo link URL",                       kHttp},
    {"bg_colour",      &SiteProfile::bg_colour,      1023, ColorScheme,   "Background Color",                    kPleaseSelect},
    {"alink_colour",   &SiteProfile::alink_colour,   1029, ColorScheme,   "Active Link Text Color",              kPleaseSelect},
    {"link_colour",    &SiteProfile::link_colour,    1025, ColorScheme,   "Link Text Color",                     kPleaseSelect},
    {"sbar_colour",    &SiteProfile::sbar_colour,    1031, ColorScheme,   "Search Result Bar Color",             kPleaseSelect},
    {"sbartxt_colour", &SiteProfile::sbartxt_colour, 1033, ColorScheme,   "Search Result Bar Text Color",        kPleaseSelect},
    {"vlink_colour",   &SiteProfile::vlink_colour,   1027, ColorScheme,   "Visited Link Text Color",             kPleaseSelect},
    {"link1_title",    &SiteProfile::link1_title,    1052, FavoriteLinks, "LINK 1 Title",                        kEmpty},
    {"link2_title",    &SiteProfile::link2_title,    1037, FavoriteLinks, "LINK 2 Title",                        kEmpty},
    {"link3_title",    &SiteProfile::link3_title,    1042, FavoriteLinks, "LINK 3 Title",                        kEmpty},
    {"link4_title",    &SiteProfile::link4_title,    1047, FavoriteLinks, "LINK 4 Title",                        kEmpty},
    {"link1_url",      &SiteProfile::link1_url,      1054, FavoriteLinks, "LINK 1 Url",                          kHttp},
    {"link2_url",      &SiteProfile::link2_url,      1039, FavoriteLinks, "LINK 2 Url",                          kHttp},
    {"link3_url",      &SiteProfile::link3_url,      1044, FavoriteLinks, "LINK 3 Url",                          kHttp},
    {"link4_url",      &SiteProfile::link4_url,      1049, FavoriteLinks, "LINK 4 Url",                          kHttp},
    {"country",        &SiteProfile::country,        1067, ContactInfo,   "Country Code (2 digit code)",         kEmpty},
    {"category",       &SiteProfile::category,       1065, ContactInfo,   "Type of Site",                        kPleaseSelect},
    {"query2",         &SiteProfile::query2,         1057, TargetSearch,  "Keyword",                             kEmpty},
    {"category_num",   &SiteProfile::category_num,   1056, TargetSearch,  "Target category",                     "All Categories"},
}};

}  // namespace tavimor
