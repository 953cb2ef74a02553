#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/profile_fields.h"
#include "res/resource_ids.h"

namespace tavimor {

// How one field of SiteProfile shows in the main dialog: the control that
// holds it and the text that control holds when the dialog opens.
struct FormField {
    std::string SiteProfile::*member;
    ControlId control;
    std::string_view startText;
};

// All 25 fields, in the record's canonical order.
extern const std::array<FormField, kProfileFieldCount> kFormFields;

// The control of the field `member`; None for no field.
ControlId controlOf(std::string SiteProfile::*member);

}  // namespace tavimor
