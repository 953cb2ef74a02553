#include "submit/colour_codes.h"

#include <array>

namespace tavimor {
namespace {

// The 22 colours that the link and result-bar boxes know. The translations
// agree on everything but the second spelling of three rows: Chocolate, Khaki
// and Light Wood.
struct SharedColourRow {
    std::string_view name;
    std::string_view secondActiveVisited;  // ActiveLink, VisitedLink
    std::string_view secondResultBar;      // ResultBar, ResultBarText
    std::string_view secondLink;           // Link
    std::string_view code;
};

constexpr std::array<SharedColourRow, 22> kSharedColours = {{
    {"Aqua", "aqua", "aqua", "aqua", "#00FFFF"},
    {"Black", "black", "black", "black", "#000000"},
    {"Blue", "blue", "blue", "blue", "#0000FF"},
    {"Chocolate", "chocolate", "brown", "brown", "#6B4226"},
    {"Gold", "gold", "gold", "gold", "#FFCC35"},
    {"Gray", "gray", "gray", "gray", "#808080"},
    {"Green", "green", "green", "green", "#008000"},
    {"Khaki", "khaki", "khaki", "creme", "#9F9F5F"},
    {"Light Wood", "creme", "creme", "wood", "#E9C2A6"},
    {"Light Steel Blue", "light blue", "light blue", "light blue", "#8F8FBD"},
    {"Mandarin Orange", "orange", "orange", "orange", "#E47833"},
    {"Maroon", "maroon", "maroon", "maroon", "#800000"},
    {"Midnight Blue", "midnight blue", "midnight blue", "midnight blue", "#2F2F4F"},
    {"Navy", "navy", "navy", "navy", "#000080"},
    {"Purple", "purple", "purple", "purple", "#800080"},
    {"Red", "red", "red", "red", "#FF0000"},
    {"Silver", "silver", "silver", "silver", "#C0C0C0"},
    {"Steel Blue", "steel blue", "steel blue", "steel blue", "#236B8E"},
    {"Teal", "teal", "teal", "teal", "#008080"},
    {"White", "white", "white", "white", "#FFFFFF"},
    {"Wheat", "wheat", "wheat", "wheat", "#D8D8BF"},
    {"Yellow", "yellow", "yellow", "yellow", "#FFFF00"},
}};

// One translation's view of the shared colours: the name, the second spelling
// from the given column, and the code.
template <std::string_view SharedColourRow::*Second>
constexpr std::array<ColourRow, 22> sharedTable() {
    std::array<ColourRow, 22> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = {kSharedColours[i].name, kSharedColours[i].*Second, kSharedColours[i].code};
    }
    return rows;
}

constexpr auto kActiveVisitedColours = sharedTable<&SharedColourRow::secondActiveVisited>();
constexpr auto kResultBarColours = sharedTable<&SharedColourRow::secondResultBar>();
constexpr auto kLinkColours = sharedTable<&SharedColourRow::secondLink>();

// The background box knows only thirteen colours.
constexpr std::array<ColourRow, 13> kBackgroundColours = {{
    {"White", "white", "#FFFFFF"},
    {"Aqua", "aqua", "#00FFFF"},
    {"Gold", "gold", "#FFCC35"},
    {"Khaki", "khaki", "#9F9F5F"},
    {"Light Wood", "creme", "#E9C2A6"},
    {"Light Steel Blue", "light blue", "#8F8FBD"},
    {"Mandarin Orange", "orange", "#E47833"},
    {"Red", "red", "#FF0000"},
    {"Silver", "silver", "#C0C0C0"},
    {"Steel Blue", "steel blue", "#236B8E"},
    {"Teal", "teal", "#008080"},
    {"Wheat", "wheat", "#D8D8BF"},
    {"Yellow", "yellow", "#FFFF00"},
}};

}  // namespace

const ColourTranslation kBackgroundColourTranslation(kBackgroundColours, "#FFFFFF");
const ColourTranslation kLinkColourTranslation(kLinkColours, "#236B8E");
const ColourTranslation kVisitedLinkColourTranslation(kActiveVisitedColours, "#2F2F4F");
const ColourTranslation kActiveLinkColourTranslation(kActiveVisitedColours, "#236B8E");
const ColourTranslation kResultBarColourTranslation(kResultBarColours, "#00FFFF");
const ColourTranslation kResultBarTextColourTranslation(kResultBarColours, "#2F2F4F");

const ColourRow* ColourTranslation::find(std::string_view text) const {
    for (const ColourRow& row : rows_) {
        if (text == row.name || text == row.second) return &row;
    }
    return nullptr;
}

std::string ColourTranslation::code(std::string_view text) const {
    const ColourRow* row = find(text);
    return std::string(row ? row->code : defaultCode_);
}

std::string_view ColourTranslation::defaultName() const {
    for (const ColourRow& row : rows_) {
        if (row.code == defaultCode_) return row.name;
    }
    return {};
}

std::string BackgroundColourCode(std::string_view name) {
    return kBackgroundColourTranslation.code(name);
}

std::string LinkColourCode(std::string_view name) { return kLinkColourTranslation.code(name); }

std::string VisitedLinkColourCode(std::string_view name) {
    return kVisitedLinkColourTranslation.code(name);
}

std::string ActiveLinkColourCode(std::string_view name) {
    return kActiveLinkColourTranslation.code(name);
}

std::string ResultBarColourCode(std::string_view name) {
    return kResultBarColourTranslation.code(name);
}

std::string ResultBarTextColourCode(std::string_view name) {
    return kResultBarTextColourTranslation.code(name);
}

}  // namespace tavimor
