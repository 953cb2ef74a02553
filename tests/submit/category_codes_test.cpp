#include "submit/category_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "res/combo_lists.h"

namespace tavimor {
namespace {

TEST(SiteCategoryCode, StartTextAndUnknownNamesSendPersonal) {
    for (const char* name : {"Please Select One", "", "art", "ART", " Art", "Art ", "News",
                             "Science", "All Categories", "1001"}) {
        EXPECT_EQ(SiteCategoryCode(name), "1031") << '"' << name << '"';
    }
}

TEST(SiteCategoryCode, ListEntriesThatDifferFromTheServiceNamesFallToTheDefault) {
    EXPECT_EQ(SiteCategoryCode("HTML Support"), "1031");
    EXPECT_EQ(SiteCategoryCode("New Links"), "1031");
    EXPECT_EQ(SiteCategoryCode("Science & Technology"), "1031");
    EXPECT_EQ(SiteCategoryCode("Html Support"), "1017");
    EXPECT_EQ(SiteCategoryCode("News Links"), "1029");
    EXPECT_EQ(SiteCategoryCode("Science & Tech"), "1035");
}

TEST(SiteCategoryCode, OutOfSequenceCodes) {
    EXPECT_EQ(SiteCategoryCode("Finance"), "1002");
    EXPECT_EQ(SiteCategoryCode("Software"), "1010");
    EXPECT_EQ(SiteCategoryCode("Business"), "1003");
    EXPECT_EQ(SiteCategoryCode("Web Design"), "1040");
}

// Walks the list the box shows: all but four entries give distinct real codes.
TEST(SiteCategoryCode, ListEntriesGiveDistinctCodesExceptTheFourKnownMisfits) {
    const auto entries = comboEntries(1065);
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

TEST(TargetCategoryCode, AllCategoriesAndUnknownNamesSendNone) {
    for (const char* name : {"All Categories", "", "Goverment", "Canadian", "Travel",
                             "all categories", "Sports ", "my keyword", "1015"}) {
        EXPECT_EQ(TargetCategoryCode(name), "none") << '"' << name << '"';
    }
    EXPECT_EQ(TargetCategoryCode("Government"), "1015");
}

TEST(TargetCategoryCode, SharesCodesWithTheTypeOfSiteTable) {
    EXPECT_EQ(TargetCategoryCode("News"), SiteCategoryCode("News Links"));
    EXPECT_EQ(TargetCategoryCode("Science"), SiteCategoryCode("Science & Tech"));
    for (const char* name : {"Art", "Business", "Computers", "Education", "Entertainment",
                             "Health", "Internet", "International", "Miscellaneous",
                             "Personal", "Reference", "Shopping", "Sports"}) {
        EXPECT_EQ(TargetCategoryCode(name), SiteCategoryCode(name)) << name;
    }
}

TEST(TargetCategoryCode, ListHasSeventeenEntriesOnlyGovermentMisfits) {
    const auto entries = comboEntries(1056);
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries.front(), "All Categories");
    for (std::string_view entry : entries.subspan(1)) {
        EXPECT_EQ(TargetCategoryCode(entry) == "none", entry == "Goverment") << entry;
    }
}

}  // namespace
}  // namespace tavimor
