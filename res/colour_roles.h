#pragma once

#include <array>
#include <string>
#include <string_view>

#include "profile/site_profile.h"

namespace tavimor {

// One colour field as the Screen Shot picture shows it: the class that marks
// the picture's elements it colours. The picture takes the colour from the
// translation Submit sends the field through (submit/colour_fields.h), so
// it shows exactly the code that would be sent, a misspelling's default
// included.
struct ColourRole {
    std::string SiteProfile::*field;
    std::string_view pictureClass;
};

// The six colour fields, in the order of the Color Scheme page, which is also
// an order the picture can be drawn in: the background first, the result bar
// before its text.
extern const std::array<ColourRole, 6> kColourRoles;

}  // namespace tavimor
