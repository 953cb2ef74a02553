#include "submit/form_body.h"

#include <array>

#include "submit/category_codes.h"
#include "submit/colour_fields.h"
#include "submit/form_encoding.h"

namespace tavimor {
namespace {

// One pair of the body: its literal (with the "&" that joins it to the pair
// before) and where its value comes from, the record or the codes.
struct BodyPair {
    std::string_view literal;
    std::string SiteProfile::*field;
    std::string RegistrationCodes::*code;
};

constexpr BodyPair fromProfile(std::string_view literal, std::string SiteProfile::*field) {
    return {literal, field, nullptr};
}
constexpr BodyPair fromCodes(std::string_view literal, std::string RegistrationCodes::*code) {
    return {literal, nullptr, code};
}

// The service's CGI reads the pairs in this order; it is not the record's.
constexpr std::array<BodyPair, 25> kBodyPairs = {{
    fromProfile("site_name=", &SiteProfile::site_name),
    fromProfile("&site_URL=", &SiteProfile::site_URL),
    fromProfile("&email=", &SiteProfile::email),
    fromProfile("&user_name=", &SiteProfile::user_name),
    fromProfile("&password=", &SiteProfile::password),
    fromProfile("&country=", &SiteProfile::country),
    fromCodes("&category=", &RegistrationCodes::category),
    fromProfile("&logo_location=", &SiteProfile::logo_location),
    fromProfile("&logo_href=", &SiteProfile::logo_href),
    fromCodes("&bg_colour=", &RegistrationCodes::bg_colour),
    fromCodes("&link_colour=", &RegistrationCodes::link_colour),
    fromCodes("&vlink_colour=", &RegistrationCodes::vlink_colour),
    fromCodes("&alink_colour=", &RegistrationCodes::alink_colour),
    fromCodes("&sbar_colour=", &RegistrationCodes::sbar_colour),
    fromCodes("&sbartxt_colour=", &RegistrationCodes::sbartxt_colour),
    fromProfile("&link1_title=", &SiteProfile::link1_title),
    fromProfile("&link1_url=", &SiteProfile::link1_url),
    fromProfile("&link2_title=", &SiteProfile::link2_title),
    fromProfile("&link2_url=", &SiteProfile::link2_url),
    fromProfile("&link3_title=", &SiteProfile::link3_title),
    fromProfile("&link3_url=", &SiteProfile::link3_url),
    fromProfile("&link4_title=", &SiteProfile::link4_title),
    fromProfile("&link4_url=", &SiteProfile::link4_url),
    fromCodes("&category_num=", &RegistrationCodes::category_num),
    fromProfile("&query2=", &SiteProfile::query2),
}};

constexpr std::string_view kSubmitPair = "&submit=Click+Here+For+Search+Code";

}  // namespace

RegistrationCodes ComputeRegistrationCodes(const SiteProfile& profile) {
    RegistrationCodes codes;
    for (const ColourField& colour : kColourFields) {
        codes.*colour.code = colour.translation->code(profile.*colour.name);
    }
    codes.category = SiteCategoryCode(profile.category);
    codes.category_num = TargetCategoryCode(profile.category_num);
    return codes;
}

std::string BuildRegistrationBody(const SiteProfile& profile, const RegistrationCodes& codes) {
    std::size_t size = kSubmitPair.size();
    for (const BodyPair& pair : kBodyPairs) {
        const std::string& value = pair.field ? profile.*pair.field : codes.*pair.code;
        size += pair.literal.size() + value.size();
    }
    std::string body;
    body.reserve(size);  // exact unless some value needs escapes
    for (const BodyPair& pair : kBodyPairs) {
        body += pair.literal;
        appendFormValue(body, pair.field ? profile.*pair.field : codes.*pair.code);
    }
    body += kSubmitPair;
    return body;
}

std::string BuildRegistrationBody(const SiteProfile& profile) {
    return BuildRegistrationBody(profile, ComputeRegistrationCodes(profile));
}

}  // namespace tavimor
