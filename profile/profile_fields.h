#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/site_profile.h"
#include "res/resource_ids.h"

namespace tavimor {

// How one field of SiteProfile is bound to the dialog: the control that shows
// it, the words the form labels it with (also what a screen reader announces
// and what a message about the field calls it), and the text the control holds
// when the dialog opens.
struct ProfileField {
    std::string_view key;  // field name, also its form key
    std::string SiteProfile::*member;
    ControlId control;
    std::string_view label;
    std::string_view startText;
};

inline constexpr std::size_t kProfileFieldCount = 25;

// All 25 fields in canonical order: the order of the profile file, and the
// order in which the dialog copies controls to the record and back.
extern const std::array<ProfileField, kProfileFieldCount> kProfileFields;

}  // namespace tavimor
