#pragma once

#include <array>
#include <span>
#include <string_view>

#include "res/resource_ids.h"

namespace tavimor {

// The entries a combo box is filled with when the dialog is created, in the
// order they are added. A box whose template says "sorted" displays them in
// case-insensitive alphabetical order instead; the others as added.
struct ComboList {
    ControlId control;
    std::span<const std::string_view> entries;
};

// The eight combo boxes of the dialog: the six colour boxes, Type of Site and
// the target category.
extern const std::array<ComboList, 8> kComboLists;

// The list of the given box; empty for a control that is no combo box.
std::span<const std::string_view> comboEntries(ControlId control);

}  // namespace tavimor
