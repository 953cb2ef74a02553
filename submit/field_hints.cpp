#include "submit/field_hints.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "submit/colour_fields.h"
#include "submit/country_codes.h"
#include "submit/http_exchange.h"

namespace tavimor {
namespace {

using Field = std::string SiteProfile::*;

// What a field starts with, or is left at, when the user has given nothing.
constexpr std::string_view kAddressStart = "http://";
constexpr std::string_view kPickStart = "Please Select One";

constexpr std::array<Field, 7> kAddressFields = {
    &SiteProfile::site_URL,  &SiteProfile::logo_location, &SiteProfile::logo_href,
    &SiteProfile::link1_url, &SiteProfile::link2_url,     &SiteProfile::link3_url,
    &SiteProfile::link4_url,
};
// Each favourite link's title and address: the service lists a link by both.
constexpr std::array<std::pair<Field, Field>, 4> kLinks = {{
    {&SiteProfile::link1_title, &SiteProfile::link1_url},
    {&SiteProfile::link2_title, &SiteProfile::link2_url},
    {&SiteProfile::link3_title, &SiteProfile::link3_url},
    {&SiteProfile::link4_title, &SiteProfile::link4_url},
}};
// What a browser shows as a picture; the logo is put in the results page as one.
constexpr std::array<std::string_view, 6> kImageEndings = {".gif", ".jpg", ".jpeg",
                                                           ".png", ".svg", ".webp"};
// Reserved for the United Kingdom beside GB, and what many people type.
constexpr std::string_view kUnitedKingdom = "UK";

constexpr MarkedText kAddressWords = TAVIMOR_TRANSLATE_NOOP(
    "FieldHint",
    "This is not a complete web address. It should start with http:// or https:// and a host "
    "name, as in http://www.example.com/.");
constexpr MarkedText kImageWords = TAVIMOR_TRANSLATE_NOOP(
    "FieldHint",
    "This address does not end in the name of an image file (.gif, .jpg, .jpeg, .png, .svg or "
    ".webp), but the logo has to be an image.");
constexpr MarkedText kTitleWithoutAddressWords =
    TAVIMOR_TRANSLATE_NOOP("FieldHint", "This link has a title but no address.");
constexpr MarkedText kAddressWithoutTitleWords =
    TAVIMOR_TRANSLATE_NOOP("FieldHint", "This link has an address but no title.");
constexpr MarkedText kEmailWords = TAVIMOR_TRANSLATE_NOOP(
    "FieldHint", "This does not look like an e-mail address, such as jane@example.com.");
constexpr MarkedText kCountryWords = TAVIMOR_TRANSLATE_NOOP(
    "FieldHint", "This is not a two-letter country code, such as US, GB or DE.");

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool isAsciiLetter(char c) { return asciiLower(c) >= 'a' && asciiLower(c) <= 'z'; }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isNonAscii(char c) { return static_cast<unsigned char>(c) >= 0x80; }
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::ranges::equal(text.substr(0, prefix.size()), prefix, {}, asciiLower, asciiLower);
}

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::ranges::equal(text.substr(text.size() - suffix.size()), suffix, {}, asciiLower,
                              asciiLower);
}

// A host the request code would accept, or an internationalised name: UTF-8
// beyond ASCII among the characters a host and port are written with.
bool isAuthority(std::string_view authority) {
    if (isValidHostAndPort(authority)) return true;
    const auto hostChar = [](char c) {
        return isNonAscii(c) || isAsciiLetter(c) || isAsciiDigit(c) || c == '.' || c == '-' ||
               c == ':';
    };
    return std::ranges::any_of(authority, isNonAscii) && std::ranges::all_of(authority, hostChar);
}

// The part of an absolute http(s) address after its scheme, or nothing when
// `text` is not one.
std::optional<std::string_view> afterScheme(std::string_view text) {
    if (std::ranges::any_of(text, isSpace)) return std::nullopt;
    for (std::string_view scheme : {"http://", "https://"}) {
        if (!startsWithNoCase(text, scheme)) continue;
        const std::string_view rest = text.substr(scheme.size());
        const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
        if (!authority.empty() && isAuthority(authority)) return rest;
    }
    return std::nullopt;
}

// The path of an address that afterScheme() accepted, without query or fragment.
std::string_view pathOf(std::string_view rest) {
    const std::string_view beforeQuery = rest.substr(0, rest.find_first_of("?#"));
    const std::size_t slash = beforeQuery.find('/');
    return slash == std::string_view::npos ? std::string_view() : beforeQuery.substr(slash);
}

// The mistakes one field's text can hold. Each is asked only about a text the
// user gave: neither empty nor the field's start text.
bool isNotAddress(std::string_view text) { return !afterScheme(text); }

// Only of a sound address: of any other, the address rule speaks.
bool isNotImageAddress(std::string_view text) {
    const std::optional<std::string_view> rest = afterScheme(text);
    return rest && std::ranges::none_of(kImageEndings, [&](std::string_view ending) {
               return endsWithNoCase(pathOf(*rest), ending);
           });
}

bool isNotEmail(std::string_view text) {
    const std::size_t at = text.find('@');
    if (at == 0 || at == std::string_view::npos || text.find('@', at + 1) != text.npos) return true;
    if (std::ranges::any_of(text, isSpace) || std::ranges::any_of(text, isControl)) return true;
    // A dot inside the domain, as in example.com; not "example." nor ".com".
    const std::string_view domain = text.substr(at + 1);
    const std::size_t dot = domain.find('.', 1);
    return dot == std::string_view::npos || dot + 1 == domain.size();
}

bool isNotCountryCode(std::string_view text) {
    if (text.size() != 2 || !std::ranges::all_of(text, isAsciiLetter)) return true;
    const std::string upper = {asciiUpper(text[0]), asciiUpper(text[1])};
    return upper != kUnitedKingdom && !isIsoCountryCode(upper);
}

std::optional<FieldHint> hintOn(Field field, TranslatableText words) {
    return FieldHint{field, std::move(words)};
}

// A rule on one field whose text, once given, `mistaken` judges.
template <typename Mistaken>
HintRule oneFieldRule(Field field, std::string_view startText, TranslatableText words,
                      Mistaken mistaken) {
    return {{field}, [=](const SiteProfile& form) -> std::optional<FieldHint> {
                const std::string_view text = form.*field;
                if (text.empty() || text == startText || !mistaken(text)) return std::nullopt;
                return hintOn(field, words);
            }};
}

// A link the service lists needs both its title and its address.
HintRule linkRule(Field title, Field url) {
    return {{title, url}, [=](const SiteProfile& form) -> std::optional<FieldHint> {
                const bool hasTitle = !(form.*title).empty();
                const bool hasUrl = !(form.*url).empty() && form.*url != kAddressStart;
                if (hasTitle && !hasUrl) return hintOn(url, kTitleWithoutAddressWords);
                if (hasUrl && !hasTitle) return hintOn(title, kAddressWithoutTitleWords);
                return std::nullopt;
            }};
}

// The colour the service takes instead, as the user knows it from the list:
// the list's name for it, which stays as the service knows it in every
// language, and its code.
TranslatableText colourWords(const ColourTranslation& translation) {
    const std::string_view name = translation.defaultName();
    std::string code(translation.defaultCode());
    if (name.empty()) {
        //: %1 is the colour's code, such as #FFFFFF.
        return {TAVIMOR_TRANSLATE_NOOP("FieldHint",
                                       "The service does not know this colour and will use %1 "
                                       "instead."),
                {std::move(code)}};
    }
    //: %1 is the colour's name as its list shows it, which stays in English
    //: (the service knows it by that name); %2 its code, such as #FFFFFF.
    return {TAVIMOR_TRANSLATE_NOOP("FieldHint",
                                   "The service does not know this colour and will use %1 (%2) "
                                   "instead."),
            {std::string(name), std::move(code)}};
}

HintRule colourRule(const ColourField& colour) {
    const ColourTranslation* translation = colour.translation;
    return oneFieldRule(colour.name, kPickStart, colourWords(*translation),
                        [=](std::string_view text) { return translation->find(text) == nullptr; });
}

std::vector<HintRule> buildRules() {
    std::vector<HintRule> rules;
    for (Field field : kAddressFields) {
        rules.push_back(oneFieldRule(field, kAddressStart, kAddressWords, isNotAddress));
    }
    rules.push_back(
        oneFieldRule(&SiteProfile::logo_location, kAddressStart, kImageWords, isNotImageAddress));
    for (const auto& [title, url] : kLinks) rules.push_back(linkRule(title, url));
    rules.push_back(oneFieldRule(&SiteProfile::email, "", kEmailWords, isNotEmail));
    rules.push_back(oneFieldRule(&SiteProfile::country, "", kCountryWords, isNotCountryCode));
    for (const ColourField& colour : kColourFields) rules.push_back(colourRule(colour));
    return rules;
}

}  // namespace

const std::vector<HintRule>& hintRules() {
    static const std::vector<HintRule> rules = buildRules();
    return rules;
}

std::vector<FieldHint> hintsFor(const SiteProfile& form) {
    std::vector<FieldHint> hints;
    for (const HintRule& rule : hintRules()) {
        std::optional<FieldHint> hint = rule.check(form);
        if (!hint) continue;
        const bool fieldTaken = std::ranges::any_of(
            hints, [&](const FieldHint& earlier) { return earlier.field == hint->field; });
        if (!fieldTaken) hints.push_back(std::move(*hint));
    }
    return hints;
}

}  // namespace tavimor
