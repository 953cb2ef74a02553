#include "submit/category_codes.h"

#include <array>
#include <span>

namespace tavimor {
namespace {

struct CategoryRow {
    std::string_view name;
    std::string_view code;
};

std::string lookUp(std::span<const CategoryRow> table, std::string_view name,
                   std::string_view defaultCode) {
    for (const CategoryRow& row : table) {
        if (name == row.name) return std::string(row.code);
    }
    return std::string(defaultCode);
}

// The names compared here are the service's; three of them are spelt
// differently in the Type of Site list ("Html Support", "News Links",
// "Science & Tech"), so those list entries fall to the default.
// clang-format off
constexpr std::array<CategoryRow, 40> kSiteCategories = {{
    {"Art", "1001"},           {"Business", "1003"},        {"Canadian", "1004"},
    {"Computers", "1005"},     {"Directories", "1006"},     {"Education", "1007"},
    {"Entertainment", "1008"}, {"Ezines", "1009"},          {"Finance", "1002"},
    {"Food", "1011"},          {"Free Stuff", "1012"},      {"Games", "1013"},
    {"Gardening", "1014"},     {"Government", "1015"},      {"Health", "1016"},
    {"Html Support", "1017"},  {"Industry", "1018"},        {"Internet", "1019"},
    {"International", "1020"}, {"Java", "1021"},           {"Jobs", "1022"},
    {"Law", "1023"},           {"Literature", "1024"},      {"Marketing", "1025"},
    {"Miscellaneous", "1026"}, {"MLM", "1027"},             {"Music", "1028"},
    {"News Links", "1029"},    {"Non-Profit", "1030"},      {"Personal", "1031"},
    {"Real Estate", "1032"},   {"Reference", "1033"},       {"Religion", "1034"},
    {"Science & Tech", "1035"}, {"Shopping", "1036"},       {"Software", "1010"},
    {"Social Sciences", "1037"}, {"Sports", "1038"},        {"Travel", "1039"},
    {"Web Design", "1040"},
}};

constexpr std::array<CategoryRow, 17> kTargetCategories = {{
    {"All Categories", "none"}, {"Art", "1001"},           {"Business", "1003"},
    {"Computers", "1005"},      {"Education", "1007"},     {"Entertainment", "1008"},
    {"Government", "1015"},     {"Health", "1016"},        {"Internet", "1019"},
    {"International", "1020"},  {"Miscellaneous", "1026"}, {"News", "1029"},
    {"Personal", "1031"},       {"Reference", "1033"},     {"Science", "1035"},
    {"Shopping", "1036"},       {"Sports", "1038"},
}};
// clang-format on

}  // namespace

std::string SiteCategoryCode(std::string_view name) {
    return lookUp(kSiteCategories, name, "1031");
}

std::string TargetCategoryCode(std::string_view name) {
    return lookUp(kTargetCategories, name, "none");
}

}  // namespace tavimor
