#pragma once

#include <array>
#include <string>
#include <string_view>

#include "res/resource_ids.h"

namespace tavimor {

// One colour field as the Screen Shot picture shows it: the colour box, the
// class that marks the picture's elements it colours, and the translation
// Submit sends its text through. The picture and the box's swatches take their
// colours from that same translation, so they show exactly the code that
// would be sent, a misspelling's default included.
struct ColourRole {
    ControlId control;
    std::string_view pictureClass;
    std::string (*code)(std::string_view text);
};

// The six colour boxes, in the order of the Color Scheme page, which is also
// an order the picture can be drawn in: the background first, the result bar
// before its text.
extern const std::array<ColourRole, 6> kColourRoles;

// The role of the given box; null for a control that is no colour box.
const ColourRole* colourRoleOf(ControlId control);

}  // namespace tavimor
