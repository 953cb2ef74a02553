#pragma once

#include <array>
#include <span>
#include <string_view>

#include "profile/translatable_text.h"
#include "res/resource_ids.h"

namespace tavimor {

// One page of the main dialog's tab control: its tab label, the controls
// shown while it is current, the section of the help that explains it and
// the file its picture goes to in the documentation. Every page control
// belongs to exactly one page; the buttons under the tab control and the tab
// control itself belong to none and stand on every page.
struct TabPage {
    MarkedText label;  // translated where the tab shows it
    std::span<const ControlId> controls;
    std::string_view helpSection;     // the id of its section in the help document
    std::string_view screenshotFile;  // numbered, so the files list in tab order
};

inline constexpr int kTabPageCount = 7;
inline constexpr int kLastTabPage = kTabPageCount - 1;

// The pages in tab order, 0 "Welcome" to 6 "Target Search".
extern const std::array<TabPage, kTabPageCount> kTabPages;

// The page `control` is on; -1 for a control on no page.
int pageOf(ControlId control);

}  // namespace tavimor
