#include "submit/colour_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/combo_lists.h"

namespace tavimor {
namespace {

using Translation = std::string (*)(std::string_view);

struct ColourBox {
    const char* name;
    Translation translate;
    ControlId box;
    const char* defaultCode;
};

const std::vector<ColourBox> kBoxes = {
    {"Background", BackgroundColourCode, ControlId::BackgroundColourCombo, "#FFFFFF"},
    {"Link", LinkColourCode, ControlId::LinkColourCombo, "#236B8E"},
    {"VisitedLink", VisitedLinkColourCode, ControlId::VisitedLinkColourCombo, "#2F2F4F"},
    {"ActiveLink", ActiveLinkColourCode, ControlId::ActiveLinkColourCombo, "#236B8E"},
    {"ResultBar", ResultBarColourCode, ControlId::ResultBarColourCombo, "#00FFFF"},
    {"ResultBarText", ResultBarTextColourCode, ControlId::ResultBarTextColourCombo, "#2F2F4F"},
};

void PrintTo(const ColourBox& box, std::ostream* out) { *out << box.name; }

class ColourBoxTest : public testing::TestWithParam<ColourBox> {};

TEST_P(ColourBoxTest, UnacceptedTextsFallToTheBoxDefault) {
    const ColourBox& box = GetParam();
    for (const char* text : {"", "Please Select One", "RED", " Red", "Red ", "R", "Redd",
                             "#FF0000", "ff0000", "Light  Wood", "light wood"}) {
        EXPECT_EQ(box.translate(text), box.defaultCode) << "text \"" << text << '"';
    }
}

TEST_P(ColourBoxTest, ListNameAndLowerCaseSpellingBothAccepted) {
    const ColourBox& box = GetParam();
    EXPECT_EQ(box.translate("Red"), "#FF0000");
    EXPECT_EQ(box.translate("red"), "#FF0000");
    EXPECT_EQ(box.translate("Mandarin Orange"), "#E47833");
    EXPECT_EQ(box.translate("orange"), "#E47833");
    EXPECT_EQ(box.translate("light blue"), "#8F8FBD");
}

// Every entry the box offers must be one its own translation knows; a typo in
// either the list or the table would silently send the default instead.
TEST_P(ColourBoxTest, EveryListEntryYieldsAWellFormedCodeOfItsOwn) {
    const ColourBox& box = GetParam();
    const auto entries = comboEntries(box.box);
    ASSERT_FALSE(entries.empty());
    std::vector<std::string> codes;
    for (std::string_view entry : entries) {
        const std::string code = box.translate(entry);
        ASSERT_EQ(code.size(), 7u) << entry;
        EXPECT_EQ(code[0], '#') << entry;
        EXPECT_EQ(code.find_first_not_of("0123456789ABCDEF", 1), std::string::npos) << entry;
        for (const std::string& seen : codes) EXPECT_NE(seen, code) << entry << " shares a code";
        codes.push_back(code);
    }
}

INSTANTIATE_TEST_SUITE_P(AllSixBoxes, ColourBoxTest, testing::ValuesIn(kBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

// Second spellings differ between translations ("creme" is Khaki for links,
// Light Wood elsewhere; "chocolate" only for active and visited links,
// "brown" only for the others); some colours coincide with their box's
// default; a NUL or high byte after a name is no match.
TEST(ColourCodes, SpellingsThatDifferBetweenTranslations) {
    using namespace std::string_view_literals;
    const Translation kOthers[] = {BackgroundColourCode, VisitedLinkColourCode,
                                   ActiveLinkColourCode, ResultBarColourCode,
                                   ResultBarTextColourCode};
    for (Translation t : kOthers) {
        EXPECT_EQ(t("creme"), "#E9C2A6");
        EXPECT_EQ(t("khaki"), "#9F9F5F");
    }
    const struct {
        Translation translate;
        std::string_view text;
        const char* code;
    } cases[] = {
        {LinkColourCode, "creme", "#9F9F5F"}, {LinkColourCode, "khaki", "#236B8E"},
        {LinkColourCode, "wood", "#E9C2A6"}, {ActiveLinkColourCode, "wood", "#236B8E"},
        {ResultBarColourCode, "wood", "#00FFFF"}, {ActiveLinkColourCode, "chocolate", "#6B4226"},
        {VisitedLinkColourCode, "chocolate", "#6B4226"}, {LinkColourCode, "chocolate", "#236B8E"},
        {ResultBarColourCode, "chocolate", "#00FFFF"},
        {ResultBarTextColourCode, "chocolate", "#2F2F4F"}, {LinkColourCode, "brown", "#6B4226"},
        {ResultBarColourCode, "brown", "#6B4226"}, {ResultBarTextColourCode, "brown", "#6B4226"},
        {ActiveLinkColourCode, "brown", "#236B8E"}, {VisitedLinkColourCode, "brown", "#2F2F4F"},
        {BackgroundColourCode, "brown", "#FFFFFF"}, {BackgroundColourCode, "White", "#FFFFFF"},
        {LinkColourCode, "Steel Blue", "#236B8E"}, {ActiveLinkColourCode, "Steel Blue", "#236B8E"},
        {VisitedLinkColourCode, "Midnight Blue", "#2F2F4F"},
        {ResultBarTextColourCode, "Midnight Blue", "#2F2F4F"},
        {ResultBarColourCode, "Aqua", "#00FFFF"}, {LinkColourCode, "Red\0"sv, "#236B8E"},
        {LinkColourCode, "Red\xA0", "#236B8E"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.translate(c.text), c.code) << c.text << " -> " << c.code;
}

TEST(ColourCodes, BackgroundKnowsOnlyThirteenColours) {
    for (const char* missing : {"Black", "Blue", "Chocolate", "Gray", "Green", "Maroon",
                                "Midnight Blue", "Navy", "Purple", "black", "navy"}) {
        EXPECT_EQ(BackgroundColourCode(missing), "#FFFFFF") << missing;
        EXPECT_NE(LinkColourCode(missing), "#236B8E") << missing;
    }
    EXPECT_EQ(BackgroundColourCode("Teal"), "#008080");
    EXPECT_EQ(comboEntries(ControlId::BackgroundColourCombo).size(), 13u);
    EXPECT_EQ(comboEntries(ControlId::LinkColourCombo).size(), 22u);
}

}  // namespace
}  // namespace tavimor
