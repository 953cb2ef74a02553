#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/site_profile.h"

namespace tavimor {

// How one field of SiteProfile is bound to the dialog: the control that shows
// it, the tab page that control stands on, the words a screen reader announces
// for it, and the text the control holds when the dialog opens.
struct ProfileField {
    std::string_view key;                // field name, also its form key
    std::string SiteProfile::*member;
    int controlId;                       // dialog template id
    int page;                            // tab page, 0 "Welcome" to 6 "Target Search"
    std::string_view label;              // accessible name of the control
    std::string_view startText;
};

inline constexpr std::size_t kProfileFieldCount = 25;

// All 25 fields in canonical order: the order of the profile file, and the
// order in which the dialog copies controls to the record and back.
extern const std::array<ProfileField, kProfileFieldCount> kProfileFields;

}  // namespace tavimor
