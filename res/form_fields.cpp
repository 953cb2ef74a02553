#include "res/form_fields.h"

namespace tavimor {
namespace {

constexpr std::string_view kEmpty = "";
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kPleaseSelect = "Please Select One";

using enum ControlId;

}  // namespace

const std::array<FormField, kProfileFieldCount> kFormFields = {{
    {&SiteProfile::user_name, NameEdit, kEmpty},
    {&SiteProfile::email, EmailEdit, kEmpty},
    {&SiteProfile::password, PasswordEdit, kEmpty},
    {&SiteProfile::site_name, SiteNameEdit, kEmpty},
    {&SiteProfile::site_URL, SiteUrlEdit, kHttp},
    {&SiteProfile::logo_location, LogoImageEdit, kHttp},
    {&SiteProfile::logo_href, LogoLinkEdit, kHttp},
    {&SiteProfile::bg_colour, BackgroundColourCombo, kPleaseSelect},
    {&SiteProfile::alink_colour, ActiveLinkColourCombo, kPleaseSelect},
    {&SiteProfile::link_colour, LinkColourCombo, kPleaseSelect},
    {&SiteProfile::sbar_colour, ResultBarColourCombo, kPleaseSelect},
    {&SiteProfile::sbartxt_colour, ResultBarTextColourCombo, kPleaseSelect},
    {&SiteProfile::vlink_colour, VisitedLinkColourCombo, kPleaseSelect},
    {&SiteProfile::link1_title, Link1TitleEdit, kEmpty},
    {&SiteProfile::link2_title, Link2TitleEdit, kEmpty},
    {&SiteProfile::link3_title, Link3TitleEdit, kEmpty},
    {&SiteProfile::link4_title, Link4TitleEdit, kEmpty},
    {&SiteProfile::link1_url, Link1UrlEdit, kHttp},
    {&SiteProfile::link2_url, Link2UrlEdit, kHttp},
    {&SiteProfile::link3_url, Link3UrlEdit, kHttp},
    {&SiteProfile::link4_url, Link4UrlEdit, kHttp},
    {&SiteProfile::country, CountryEdit, kEmpty},
    {&SiteProfile::category, SiteTypeCombo, kPleaseSelect},
    {&SiteProfile::query2, KeywordEdit, kEmpty},
    {&SiteProfile::category_num, TargetCategoryCombo, "All Categories"},
}};

ControlId controlOf(std::string SiteProfile::*member) {
    for (const FormField& field : kFormFields) {
        if (field.member == member) return field.control;
    }
    return ControlId::None;
}

}  // namespace tavimor
