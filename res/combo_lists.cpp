#include "res/combo_lists.h"

namespace tavimor {
namespace {

// clang-format off
constexpr std::string_view kBackgroundColours[] = {
    "White", "Aqua", "Gold", "Khaki", "Light Wood", "Light Steel Blue", "Mandarin Orange",
    "Red", "Silver", "Steel Blue", "Teal", "Wheat", "Yellow",
};

constexpr std::string_view kTextAndBarColours[] = {
    "Aqua", "Black", "Blue", "Chocolate", "Gold", "Gray", "Green", "Khaki", "Light Wood",
    "Light Steel Blue", "Mandarin Orange", "Maroon", "Midnight Blue", "Navy", "Purple",
    "Red", "Silver", "Steel Blue", "Teal", "White", "Wheat", "Yellow",
};

// "HTML Support", "New Links" and "Science & Technology" are how the list has
// always shown them, though the service's names differ; the last entry is
// empty and selectable.
constexpr std::string_view kTypesOfSite[] = {
    "Art", "Business", "Canadian", "Computers", "Directories", "Education", "Entertainment",
    "Ezines", "Finance", "Food", "Free Stuff", "Games", "Gardening", "Government", "Health",
    "HTML Support", "Industry", "Internet", "International", "Java", "Jobs", "Law",
    "Literature", "Marketing", "Miscellaneous", "MLM", "Music", "New Links", "Non-Profit",
    "Personal", "Real Estate", "Reference", "Religion", "Science & Technology", "Shopping",
    "Software", "Social Sciences", "Sports", "Travel", "Web Design", "",
};

// "Goverment" is the list's historical spelling and maps to no category.
constexpr std::string_view kTargetCategories[] = {
    "All Categories", "Art", "Business", "Computers", "Education", "Entertainment",
    "Goverment", "Health", "Internet", "International", "Miscellaneous", "News", "Personal",
    "Reference", "Science", "Shopping", "Sports",
};
// clang-format on

}  // namespace

const std::array<ComboList, 8> kComboLists = {{
    {ControlId::BackgroundColourCombo, kBackgroundColours},
    {ControlId::LinkColourCombo, kTextAndBarColours},
    {ControlId::VisitedLinkColourCombo, kTextAndBarColours},
    {ControlId::ActiveLinkColourCombo, kTextAndBarColours},
    {ControlId::ResultBarColourCombo, kTextAndBarColours},
    {ControlId::ResultBarTextColourCombo, kTextAndBarColours},
    {ControlId::SiteTypeCombo, kTypesOfSite},
    {ControlId::TargetCategoryCombo, kTargetCategories},
}};

std::span<const std::string_view> comboEntries(ControlId control) {
    for (const ComboList& list : kComboLists) {
        if (list.control == control) return list.entries;
    }
    return {};
}

}  // namespace tavimor
