#pragma once

#include <string>
#include <string_view>

class QComboBox;

namespace tavimor {

// Gives every entry of a colour box a small square of the colour its text
// translates to through `code`, that box's own translation, shown before the
// text in the list (not in the closed box) and framed in the colour of the
// list's text, so it shows on a list of any colour. Texts, order and
// accessible names stay as they are.
void addColourSwatches(QComboBox& box, std::string (*code)(std::string_view text));

}  // namespace tavimor
