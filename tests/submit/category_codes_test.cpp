#include "submit/category_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <string>

#include "res/combo_lists.h"

namespace tavimor {
namespace {

// Unknown names, case or space variants, and the three list entries that
// differ from the service's own names send Personal; a few codes run out of
// sequence.
TEST(SiteCategoryCode, NamesAndTheirCodes) {
    const std::pair<const char*, const char*> cases[] = {
        {"Please Select One", "1031"}, {"", "1031"}, {"art", "1031"}, {"ART", "1031"},
        {" Art", "1031"}, {"Art ", "1031"}, {"News", "1031"}, {"Science", "1031"},
        {"All Categories", "1031"}, {"1001", "1031"}, {"HTML Support", "1031"},
        {"New Links", "1031"}, {"Science & Technology", "1031"}, {"Html Support", "1017"},
        {"News Links", "1029"}, {"Science & Tech", "1035"}, {"Finance", "1002"},
        {"Software", "1010"}, {"Business", "1003"}, {"Web Design", "1040"}};
    for (const auto& [name, code] : cases) EXPECT_EQ(SiteCategoryCode(name), code) << '"' << name << '"';
}

// Walks the list the box shows: all but four entries give distinct real codes.
TEST(SiteCategoryCode, ListEntriesGiveDistinctCodesExceptTheFourKnownMisfits) {
    const auto entries = comboEntries(ControlId::SiteTypeCombo);
    ASSERT_EQ(entries.size(), 41u);
    EXPECT_EQ(entries.back(), "");
    const std::set<std::string_view> misfits = {"HTML Support", "New Links",
                                                "Science & Technology", ""};
    std::set<std::string> codes;
    for (std::string_view entry : entries) {
        const std::string code = SiteCategoryCode(entry);
        if (misfits.count(entry)) {
            EXPECT_EQ(code, "1031") << entry;
        } else {
            EXPECT_TRUE(codes.insert(code).second) << entry << " repeats " << code;
        }
    }
    EXPECT_EQ(codes.size(), 37u);
    EXPECT_TRUE(codes.count("1031"));  // Personal itself
}

// Unknown names send "none"; the known ones share the Type of Site codes.
TEST(TargetCategoryCode, UnknownNamesSendNoneKnownOnesTheTypeOfSiteCode) {
    for (const char* name : {"All Categories", "", "Goverment", "Canadian", "Travel",
                             "all categories", "Sports ", "my keyword", "1015"}) {
        EXPECT_EQ(TargetCategoryCode(name), "none") << '"' << name << '"';
    }
    EXPECT_EQ(TargetCategoryCode("Government"), "1015");
    EXPECT_EQ(TargetCategoryCode("News"), SiteCategoryCode("News Links"));
    EXPECT_EQ(TargetCategoryCode("Science"), SiteCategoryCode("Science & Tech"));
    for (const char* name : {"Art", "Business", "Computers", "Education", "Entertainment",
                             "Health", "Internet", "International", "Miscellaneous",
                             "Personal", "Reference", "Shopping", "Sports"}) {
        EXPECT_EQ(TargetCategoryCode(name), SiteCategoryCode(name)) << name;
    }
}

TEST(TargetCategoryCode, ListHasSeventeenEntriesOnlyGovermentMisfits) {
    const auto entries = comboEntries(ControlId::TargetCategoryCombo);
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries.front(), "All Categories");
    for (std::string_view entry : entries.subspan(1)) {
        EXPECT_EQ(TargetCategoryCode(entry) == "none", entry == "Goverment") << entry;
    }
}

}  // namespace
}  // namespace tavimor
