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
    int controlId;
    const char* defaultCode;
};

const std::vector<ColourBox> kBoxes = {
    {"Background", BackgroundColourCode, 1023, "#FFFFFF"},
    {"Link", LinkColourCode, 1025, "#236B8E"},
    {"VisitedLink", VisitedLinkColourCode, 1027, "#2F2F4F"},
    {"ActiveLink", ActiveLinkColourCode, 1029, "#236B8E"},
    {"ResultBar", ResultBarColourCode, 1031, "#00FFFF"},
    {"ResultBarText", ResultBarTextColourCode, 1033, "#2F2F4F"},
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
    const auto entries = comboEntries(box.controlId);
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

TEST(ColourCodes, SecondSpellingsDifferBetweenTranslations) {
    // "creme" is Khaki for links, Light Wood everywhere else.
    EXPECT_EQ(LinkColourCode("creme"), "#9F9F5F");
    for (Translation t : {BackgroundColourCode, VisitedLinkColourCode, ActiveLinkColourCode,
                          ResultBarColourCode, ResultBarTextColourCode}) {
        EXPECT_EQ(t("creme"), "#E9C2A6");
        EXPECT_EQ(t("khaki"), "#9F9F5F");
    }
    EXPECT_EQ(LinkColourCode("khaki"), "#236B8E");
    EXPECT_EQ(LinkColourCode("wood"), "#E9C2A6");
    EXPECT_EQ(ActiveLinkColourCode("wood"), "#236B8E");
    EXPECT_EQ(ResultBarColourCode("wood"), "#00FFFF");

    // "chocolate" only for active and visited links, "brown" only for the others.
    EXPECT_EQ(ActiveLinkColourCode("chocolate"), "#6B4226");
    EXPECT_EQ(VisitedLinkColourCode("chocolate"), "#6B4226");
    EXPECT_EQ(LinkColourCode("chocolate"), "#236B8E");
    EXPECT_EQ(ResultBarColourCode("chocolate"), "#00FFFF");
    EXPECT_EQ(ResultBarTextColourCode("chocolate"), "#2F2F4F");
    EXPECT_EQ(LinkColourCode("brown"), "#6B4226");
    EXPECT_EQ(ResultBarColourCode("brown"), "#6B4226");
    EXPECT_EQ(ResultBarTextColourCode("brown"), "#6B4226");
    EXPECT_EQ(ActiveLinkColourCode("brown"), "#236B8E");
    EXPECT_EQ(VisitedLinkColourCode("brown"), "#2F2F4F");
    EXPECT_EQ(BackgroundColourCode("brown"), "#FFFFFF");
}

TEST(ColourCodes, BackgroundKnowsOnlyThirteenColours) {
    for (const char* missing : {"Black", "Blue", "Chocolate", "Gray", "Green", "Maroon",
                                "Midnight Blue", "Navy", "Purple", "black", "navy"}) {
        EXPECT_EQ(BackgroundColourCode(missing), "#FFFFFF") << missing;
        EXPECT_NE(LinkColourCode(missing), "#236B8E") << missing;
    }
    EXPECT_EQ(BackgroundColourCode("Teal"), "#008080");
    EXPECT_EQ(comboEntries(1023).size(), 13u);
    EXPECT_EQ(comboEntries(1025).size(), 22u);
}

TEST(ColourCodes, SomeColoursCoincideWithTheirBoxDefault) {
    EXPECT_EQ(BackgroundColourCode("White"), "#FFFFFF");
    EXPECT_EQ(LinkColourCode("Steel Blue"), "#236B8E");
    EXPECT_EQ(ActiveLinkColourCode("Steel Blue"), "#236B8E");
    EXPECT_EQ(VisitedLinkColourCode("Midnight Blue"), "#2F2F4F");
    EXPECT_EQ(ResultBarTextColourCode("Midnight Blue"), "#2F2F4F");
    EXPECT_EQ(ResultBarColourCode("Aqua"), "#00FFFF");
}

TEST(ColourCodes, TextsWithEmbeddedNulOrHighBytesAreNotMatchedByPrefix) {
    using namespace std::string_view_literals;
    EXPECT_EQ(LinkColourCode("Red\0"sv), "#236B8E");
    EXPECT_EQ(LinkColourCode("Red\xA0"), "#236B8E");
}

}  // namespace
}  // namespace tavimor
