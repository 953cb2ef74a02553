#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tavimor {

// A colour as a translation accepts it: its name as the combo box lists it,
// one second spelling, and its "#RRGGBB" code.
struct ColourRow {
    std::string_view name;
    std::string_view second;
    std::string_view code;
};

// One translation of a colour box's text into the code the registration
// service expects: its own table of accepted texts and its own default for
// any text it does not accept. Matching is exact, whole-text and
// case-sensitive.
class ColourTranslation {
public:
    constexpr ColourTranslation(std::span<const ColourRow> rows, std::string_view defaultCode)
        : rows_(rows), defaultCode_(defaultCode) {}

    // The code `text` is sent as: its row's, or the default.
    std::string code(std::string_view text) const;

    // The row that accepts `text`, or null when the default stands in.
    const ColourRow* find(std::string_view text) const;

    std::string_view defaultCode() const { return defaultCode_; }

    // The listed name of the default colour; empty when no row has its code.
    std::string_view defaultName() const;

    std::span<const ColourRow> rows() const { return rows_; }

private:
    std::span<const ColourRow> rows_;
    std::string_view defaultCode_;
};

// The six translations, one per colour field.
extern const ColourTranslation kBackgroundColourTranslation;     // bg_colour
extern const ColourTranslation kLinkColourTranslation;           // link_colour
extern const ColourTranslation kVisitedLinkColourTranslation;    // vlink_colour
extern const ColourTranslation kActiveLinkColourTranslation;     // alink_colour
extern const ColourTranslation kResultBarColourTranslation;      // sbar_colour
extern const ColourTranslation kResultBarTextColourTranslation;  // sbartxt_colour

// The same translations as functions of the text.
std::string BackgroundColourCode(std::string_view name);
std::string LinkColourCode(std::string_view name);
std::string VisitedLinkColourCode(std::string_view name);
std::string ActiveLinkColourCode(std::string_view name);
std::string ResultBarColourCode(std::string_view name);
std::string ResultBarTextColourCode(std::string_view name);

}  // namespace tavimor
