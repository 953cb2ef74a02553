#pragma once

class QComboBox;

namespace tavimor {

class ColourTranslation;

// Gives every entry of a colour box a small square of the colour its text
// translates to through `translation`, that box's own, shown before the
// text in the list (not in the closed box) and framed in the colour of the
// list's text, so it shows on a list of any colour. Texts, order and
// accessible names stay as they are.
void addColourSwatches(QComboBox& box, const ColourTranslation& translation);

}  // namespace tavimor
