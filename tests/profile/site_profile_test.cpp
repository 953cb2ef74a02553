#include "profile/site_profile.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "profile/profile_fields.h"
#include "res/combo_lists.h"

namespace tavimor {
namespace {

TEST(ProfileFields, CanonicalOrderMatchesTheRecordLayout) {
    // The file format depends on this order; the struct and the table must agree.
    SiteProfile profile;
    const std::string* previous = nullptr;
    for (const ProfileField& field : kProfileFields) {
        const std::string* current = &(profile.*field.member);
        if (previous) {
            EXPECT_GT(current, previous) << field.key;
        }
        previous = current;
    }
    EXPECT_EQ(kProfileFields.front().key, "user_name");
    EXPECT_EQ(kProfileFields[7].key, "bg_colour");
    EXPECT_EQ(kProfileFields[8].key, "alink_colour");
    EXPECT_EQ(kProfileFields[12].key, "vlink_colour");
    EXPECT_EQ(kProfileFields[13].key, "link1_title");
    EXPECT_EQ(kProfileFields[17].key, "link1_url");
    EXPECT_EQ(kProfileFields.back().key, "category_num");
}

// Keys, controls and labels are distinct, and only the combo boxes (which
// have lists) start with a "pick one" text.
TEST(ProfileFields, DistinctNamesAndTheStartTextsOfAFreshDialog) {
    std::set<std::string_view> keys, labels;
    std::set<ControlId> controls;
    std::map<std::string_view, int> startTexts;
    for (const ProfileField& field : kProfileFields) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        EXPECT_TRUE(labels.insert(field.label).second) << field.label;
        EXPECT_TRUE(controls.insert(field.control).second) << field.key;
        ++startTexts[field.startText];
        EXPECT_EQ(!comboEntries(field.control).empty(),
                  field.startText == "Please Select One" || field.startText == "All Categories")
            << field.key;
    }
    EXPECT_EQ(startTexts, (std::map<std::string_view, int>{
                              {"http://", 7}, {"Please Select One", 7}, {"All Categories", 1}, {"", 10}}));
}

TEST(SiteProfile, EqualityAndPrinting) {
    SiteProfile a, b;
    EXPECT_EQ(a, b);
    b.vlink_colour = "Navy\n\"x\"";
    EXPECT_NE(a, b);
    std::ostringstream printed;
    printed << b;
    EXPECT_NE(printed.str().find("vlink_colour=\"Navy\\x0A\\\"x\\\"\""), std::string::npos)
        << printed.str();
}

}  // namespace
}  // namespace tavimor
