#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/site_profile.h"
#include "submit/colour_codes.h"
#include "submit/form_body.h"

namespace tavimor {

// Which translation each colour field of the record goes through, and which
// code of the request it fills. The request, the Screen Shot preview and the
// colour lists' swatches all read this table, so they cannot disagree.
struct ColourField {
    std::string SiteProfile::*name;        // the colour's name as picked or typed
    std::string RegistrationCodes::*code;  // the "#RRGGBB" the service receives
    const ColourTranslation* translation;
};

// The six colour fields, in the order of the Color Scheme page.
extern const std::array<ColourField, 6> kColourFields;

// The entry of the field `name`, or null for a field that holds no colour.
const ColourField* colourFieldOf(std::string SiteProfile::*name);

}  // namespace tavimor
