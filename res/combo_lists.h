#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tavimor {

// The entries a combo box is filled with when the dialog is created, in the
// order they are added. A sorted box displays them in case-insensitive
// alphabetical order instead; the others display them as added.
struct ComboList {
    int controlId;   // dialog template id of the box
    bool sorted;
    std::span<const std::string_view> entries;
};

// The eight combo boxes of the dialog: the six colour boxes (1023, 1025, 1027,
// 1029, 1031, 1033), Type of Site (1065) and the target category (1056).
extern const std::array<ComboList, 8> kComboLists;

// The list of the box with the given template id; empty for any other id.
std::span<const std::string_view> comboEntries(int controlId);

}  // namespace tavimor
