// Every name a box lists, and every other text the service's tables accept,
// with the code it must send: written out here, in list order, so that a
// typo in a list, a table or a code shows as the one wrong pair.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "res/combo_lists.h"
#include "submit/category_codes.h"
#include "submit/colour_codes.h"

namespace tavimor {
namespace {

using Translation = std::string (*)(std::string_view);

// Texts no table accepts: each box sends its own default for them.
const char* const kUnknownTexts[] = {"",     "Please Select One", "RED", " Red", "Red ",
                                     "Redd", "#FF0000",           "art", "Art ", "Light  Wood"};

// The codes of the 22 colours of the link and result-bar boxes, in list
// order, and the second spelling each accepts; the three rows whose second
// spelling differs between boxes are empty here.
const std::array<const char*, 22> kSharedCodes = {
    "#00FFFF", "#000000", "#0000FF", "#6B4226", "#FFCC35", "#808080", "#008000", "#9F9F5F",
    "#E9C2A6", "#8F8FBD", "#E47833", "#800000", "#2F2F4F", "#000080", "#800080", "#FF0000",
    "#C0C0C0", "#236B8E", "#008080", "#FFFFFF", "#D8D8BF", "#FFFF00"};
const std::array<const char*, 22> kSharedSeconds = {
    "aqua",   "black",      "blue",   "",       "gold",          "gray",  "green",  "",
    "",       "light blue", "orange", "maroon", "midnight blue", "navy",  "purple", "red",
    "silver", "steel blue", "teal",   "white",  "wheat",         "yellow"};

struct ColourBox {
    const char* name;
    Translation translate;
    ControlId box;
    const char* defaultCode;
    std::array<const char*, 3> seconds;  // of Chocolate, Khaki and Light Wood
    std::vector<std::string> notAccepted;
};

void PrintTo(const ColourBox& box, std::ostream* out) { *out << box.name; }

// clang-format off
const ColourBox kColourBoxes[] = {
    {"Link", LinkColourCode, ControlId::LinkColourCombo, "#236B8E", {"brown", "creme", "wood"},
     {"chocolate", "khaki"}},
    {"VisitedLink", VisitedLinkColourCode, ControlId::VisitedLinkColourCombo, "#2F2F4F",
     {"chocolate", "khaki", "creme"}, {"brown", "wood"}},
    {"ActiveLink", ActiveLinkColourCode, ControlId::ActiveLinkColourCombo, "#236B8E",
     {"chocolate", "khaki", "creme"}, {"brown", "wood"}},
    {"ResultBar", ResultBarColourCode, ControlId::ResultBarColourCombo, "#00FFFF",
     {"brown", "khaki", "creme"}, {"chocolate", "wood"}},
    {"ResultBarText", ResultBarTextColourCode, ControlId::ResultBarTextColourCombo, "#2F2F4F",
     {"brown", "khaki", "creme"}, {"chocolate", "wood"}},
};
// clang-format on

class SharedColourBox : public testing::TestWithParam<ColourBox> {};

TEST_P(SharedColourBox, EveryEntryAndSecondSpellingSendsItsCodeAnythingElseTheDefault) {
    const ColourBox& box = GetParam();
    const auto entries = comboEntries(box.box);
    ASSERT_EQ(entries.size(), kSharedCodes.size());
    std::array<const char*, 22> seconds = kSharedSeconds;
    seconds[3] = box.seconds[0], seconds[7] = box.seconds[1], seconds[8] = box.seconds[2];
    for (std::size_t row = 0; row < entries.size(); ++row) {
        EXPECT_EQ(box.translate(entries[row]), kSharedCodes[row]) << entries[row];
        EXPECT_EQ(box.translate(seconds[row]), kSharedCodes[row]) << seconds[row];
    }
    for (const char* text : kUnknownTexts) EXPECT_EQ(box.translate(text), box.defaultCode) << text;
    for (const std::string& text : box.notAccepted) {
        EXPECT_EQ(box.translate(text), box.defaultCode) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, SharedColourBox, testing::ValuesIn(kColourBoxes),
                         [](const auto& info) { return std::string(info.param.name); });

// The background box knows 13 of the colours, in an order of its own.
TEST(BackgroundColourCode, EveryEntryAndSecondSpellingSendsItsCodeAnythingElseTheDefault) {
    const std::pair<const char*, const char*> kRows[] = {
        {"white", "#FFFFFF"},      {"aqua", "#00FFFF"},  {"gold", "#FFCC35"},
        {"khaki", "#9F9F5F"},      {"creme", "#E9C2A6"}, {"light blue", "#8F8FBD"},
        {"orange", "#E47833"},     {"red", "#FF0000"},   {"silver", "#C0C0C0"},
        {"steel blue", "#236B8E"}, {"teal", "#008080"},  {"wheat", "#D8D8BF"},
        {"yellow", "#FFFF00"}};
    const auto entries = comboEntries(ControlId::BackgroundColourCombo);
    ASSERT_EQ(entries.size(), std::size(kRows));
    for (std::size_t row = 0; row < entries.size(); ++row) {
        EXPECT_EQ(BackgroundColourCode(entries[row]), kRows[row].second) << entries[row];
        EXPECT_EQ(BackgroundColourCode(kRows[row].first), kRows[row].second) << kRows[row].first;
    }
    for (const char* text : {"Black", "Blue", "Chocolate", "Gray", "Green", "Maroon",
                             "Midnight Blue", "Navy", "Purple", "navy", "wood", "brown"}) {
        EXPECT_EQ(BackgroundColourCode(text), "#FFFFFF") << text;
    }
    for (const char* text : kUnknownTexts) EXPECT_EQ(BackgroundColourCode(text), "#FFFFFF") << text;
}

// The Type of Site list, entry by entry: three entries are not the names the
// service knows, and the last is empty; those send Personal's 1031.
TEST(SiteCategoryCode, EveryEntryAndServiceNameSendsItsCodeAnythingElsePersonal) {
    const std::vector<std::string> kListCodes = {
        "1001", "1003", "1004", "1005", "1006", "1007", "1008", "1009", "1002", "1011", "1012",
        "1013", "1014", "1015", "1016", "1031", "1018", "1019", "1020", "1021", "1022", "1023",
        "1024", "1025", "1026", "1027", "1028", "1031", "1030", "1031", "1032", "1033", "1034",
        "1031", "1036", "1010", "1037", "1038", "1039", "1040", "1031"};
    std::vector<std::string> sent;
    for (std::string_view entry : comboEntries(ControlId::SiteTypeCombo)) {
        sent.push_back(SiteCategoryCode(entry));
    }
    EXPECT_EQ(sent, kListCodes);
    EXPECT_EQ(SiteCategoryCode("Html Support"), "1017");
    EXPECT_EQ(SiteCategoryCode("News Links"), "1029");
    EXPECT_EQ(SiteCategoryCode("Science & Tech"), "1035");
    for (const char* text : kUnknownTexts) EXPECT_EQ(SiteCategoryCode(text), "1031") << text;
    for (const char* text : {"News", "Science", "All Categories", "HTML Support", "1001"}) {
        EXPECT_EQ(SiteCategoryCode(text), "1031") << text;
    }
}

// The target list, entry by entry: "Goverment" is the list's own spelling
// and no category; anything unknown asks for no restriction.
TEST(TargetCategoryCode, EveryEntryAndServiceNameSendsItsCodeAnythingElseNone) {
    const std::vector<std::string> kListCodes = {"none", "1001", "1003", "1005", "1007", "1008",
                                                 "none", "1016", "1019", "1020", "1026", "1029",
                                                 "1031", "1033", "1035", "1036", "1038"};
    std::vector<std::string> sent;
    for (std::string_view entry : comboEntries(ControlId::TargetCategoryCombo)) {
        sent.push_back(TargetCategoryCode(entry));
    }
    EXPECT_EQ(sent, kListCodes);
    EXPECT_EQ(TargetCategoryCode("Government"), "1015");
    for (const char* text : kUnknownTexts) EXPECT_EQ(TargetCategoryCode(text), "none") << text;
    for (const char* text : {"Canadian", "Travel", "News Links", "cheap flights", "1015"}) {
        EXPECT_EQ(TargetCategoryCode(text), "none") << text;
    }
}

}  // namespace
}  // namespace tavimor
