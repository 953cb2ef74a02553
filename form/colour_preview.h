#pragma once

#include <array>
#include <vector>

#include "res/colour_roles.h"

class QComboBox;

namespace tavimor {

class PictureControl;

// Colours each of `pictures` as the service would colour the results page
// for the texts the colour boxes show, whenever one of them changes (picked,
// typed, loaded or set at start, on whichever page the user is): each text
// goes through the translation Submit sends it through, so every picture
// shows the same colours. Bind before the boxes get their first texts.
// `boxes` follows kColourRoles; all of them live as long as the pictures.
void bindColourPreview(const std::vector<PictureControl*>& pictures,
                       const std::array<const QComboBox*, kColourRoles.size()>& boxes);

}  // namespace tavimor
