#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/site_profile.h"
#include "profile/translatable_text.h"

namespace tavimor {

// One field of SiteProfile: its name, which is also its form key, and the
// words the form labels it with, which a message about the field (and a
// screen reader) calls it by. The key is data the service reads; the label
// is translated.
struct ProfileField {
    std::string_view key;
    std::string SiteProfile::*member;
    MarkedText label;
};

inline constexpr std::size_t kProfileFieldCount = 25;

// All 25 fields in canonical order: the order of the profile file, and the
// order in which the dialog copies controls to the record and back.
extern const std::array<ProfileField, kProfileFieldCount> kProfileFields;

// The label of the field `member`.
TranslatableText fieldLabel(std::string SiteProfile::*member);

}  // namespace tavimor
