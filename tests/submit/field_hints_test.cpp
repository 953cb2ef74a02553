// Each row puts its texts, one at a time, into a form otherwise filled in
// correctly and expects exactly its words on that field, or no hint at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profile/profile_fields.h"
#include "profile_samples.h"
#include "submit/colour_fields.h"
#include "submit/field_hints.h"

namespace tavimor {
namespace {

using S = SiteProfile;

const std::string kAddress =
    "This is not a complete web address. It should start with http:// or https:// and a host "
    "name, as in http://www.example.com/.";
const std::string kImage =
    "This address does not end in the name of an image file (.gif, .jpg, .jpeg, .png, .svg or "
    ".webp), but the logo has to be an image.";
const std::string kColour = "The service does not know this colour and will use ";

// clang-format off
struct HintCase { std::string S::*field; std::string words; std::vector<std::string> texts; };
const HintCase kCases[] = {
    {&S::site_URL, kAddress, {"www.example.com", "http//example.com", "https://", "http:///x"}},
    {&S::logo_location, kAddress, {"http://exa mple.com/a.png", "ftp://example.com/a.png"}},
    {&S::logo_href, kAddress, {"http://user@example.com", "http://x.org /", "http://a_b.org/"}},
    {&S::link4_url, kAddress, {"HTTP:/example.com", "https://[::1", "https://x.org:99999/"}},
    {&S::site_URL, "", {"", "http://", "http://www.example.com", "HTTPS://Example.COM/a/b?c=1#d",
        "http://localhost:8080/", "http://192.168.0.1/", "http://bücher.de/"}},
    {&S::logo_location, kImage, {"http://www.example.com/index.html", "http://www.example.com/",
        "http://logo.png", "http://x.org/a.png/", "http://x.org/gif"}},
    {&S::logo_location, "", {"http://x.org/images/LOGO.GIF?v=2", "https://x.org/a.jpg",
        "http://x.org/a.Jpeg#t", "http://[::1]/a.svg", "http://x.org/.webp", "http://ü.de/b.png"}},
    {&S::link1_url, "This link has a title but no address.", {"", "http://"}},
    {&S::link2_title, "This link has an address but no title.", {""}},
    {&S::link3_url, "This link has a title but no address.", {"http://"}},
    {&S::link4_title, "This link has an address but no title.", {""}},
    {&S::email, "This does not look like an e-mail address, such as jane@example.com.",
        {"jane@example", "jane.example.com", "jane@@example.com", "@example.com", "jane@.com",
         "jane @example.com", "jane@example.", "jane@exa\tmple.com"}},
    {&S::email, "", {"", "j.doe+tag@mail.example.co.uk", "j@a.b"}},
    {&S::country, "This is not a two-letter country code, such as US, GB or DE.",
        {"USA", "U", "U S", "XX", "12", "us ", "U1"}},
    {&S::country, "", {"", "de", "Us", "GB", "UK", "uk", "AD", "zw", "at"}},
    {&S::link_colour, kColour + "Steel Blue (#236B8E) instead.", {"Pruple", "Red ", "RED"}},
    {&S::bg_colour, kColour + "White (#FFFFFF) instead.", {"Black"}},
    {&S::sbar_colour, kColour + "Aqua (#00FFFF) instead.", {"Wheet"}},
    {&S::link_colour, "", {"", "Please Select One", "red", "Red"}},
};
// clang-format on

SiteProfile filledForm() {
    SiteProfile form = startProfile();
    form.email = "jane@example.com", form.country = "US";
    form.site_URL = form.logo_href = "http://www.example.com/";
    form.logo_location = "http://www.example.com/logo.png";
    for (const ColourField& colour : kColourFields) form.*colour.name = "White";
    form.link1_title = form.link2_title = form.link3_title = form.link4_title = "Docs";
    form.link1_url = form.link2_url = form.link3_url = form.link4_url = "https://x.org/docs";
    return form;
}

std::string line(std::string S::*field, const std::string& words) {
    return words.empty() ? "" : fieldLabel(field).english() + ": " + words + "\n";
}

// The hints of `form` with `text` in `field`, a line each.
std::string hintsWith(SiteProfile form, std::string S::*field, std::string_view text) {
    form.*field = text;
    std::string lines;
    for (const FieldHint& hint : hintsFor(form)) lines += line(hint.field, hint.words.english());
    return lines;
}

TEST(FieldHints, EachTextRaisesItsRowsWordsOnItsFieldAlone) {
    for (const HintCase& row : kCases) {
        for (const std::string& text : row.texts)
            EXPECT_EQ(hintsWith(filledForm(), row.field, text), line(row.field, row.words)) << text;
    }
}

TEST(FieldHints, StartAndEmptyFormsAndEveryAcceptedColourRaiseNone) {
    EXPECT_EQ(hintsWith(startProfile(), &S::user_name, ""), "");
    EXPECT_EQ(hintsWith(SiteProfile{}, &S::user_name, ""), "");
    for (const ColourField& colour : kColourFields) {
        for (const ColourRow& row : colour.translation->rows()) {
            for (std::string_view text : {row.name, row.second})
                EXPECT_EQ(hintsWith(startProfile(), colour.name, text), "") << text;
        }
    }
}

}  // namespace
}  // namespace tavimor
