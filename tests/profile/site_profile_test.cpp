#include "profile/site_profile.h"

#include <gtest/gtest.h>

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

TEST(ProfileFields, KeysControlsAndLabelsAreDistinct) {
    std::set<std::string_view> keys, labels;
    std::set<int> controls;
    for (const ProfileField& field : kProfileFields) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        EXPECT_TRUE(labels.insert(field.label).second) << field.label;
        EXPECT_TRUE(controls.insert(field.controlId).second) << field.controlId;
        EXPECT_GE(field.page, 2) << field.key;
        EXPECT_LE(field.page, 6) << field.key;
    }
}

TEST(ProfileFields, StartTextsOfAFreshDialog) {
    int http = 0, pleaseSelect = 0, allCategories = 0, empty = 0;
    for (const ProfileField& field : kProfileFields) {
        if (field.startText == "http://") ++http;
        else if (field.startText == "Please Select One") ++pleaseSelect;
        else if (field.startText == "All Categories") ++allCategories;
        else if (field.startText.empty()) ++empty;
        // Only the combo boxes have lists; their start texts say "pick one".
        const bool isCombo = !comboEntries(field.controlId).empty();
        EXPECT_EQ(isCombo, field.startText == "Please Select One" ||
                               field.startText == "All Categories") << field.key;
    }
    EXPECT_EQ(http, 7);
    EXPECT_EQ(pleaseSelect, 7);
    EXPECT_EQ(allCategories, 1);
    EXPECT_EQ(empty, 10);
}

TEST(SiteProfile, FieldsAreFoundAndReplacedByNameAndHeldVerbatim) {
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) {
        std::string* value = findField(profile, field.key);
        ASSERT_NE(value, nullptr) << field.key;
        *value = std::string(field.key) + " & = + % \r\n \x00\xFF end";
    }
    EXPECT_EQ(profile.site_URL, std::string("site_URL & = + % \r\n \x00\xFF end"));
    EXPECT_EQ(findField(profile, "Site_URL"), nullptr);
    EXPECT_EQ(findField(profile, ""), nullptr);
    const SiteProfile& constProfile = profile;
    EXPECT_EQ(findField(constProfile, "query2"), &profile.query2);
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
