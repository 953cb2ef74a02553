#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tavimor {

// One page of the main dialog's tab control: its tab label and the controls
// shown while it is current. Every page control belongs to exactly one page;
// the buttons under the tab control and the tab control itself belong to none
// and stand on every page.
struct TabPage {
    std::string_view label;
    std::span<const int> controlIds;
};

inline constexpr int kTabPageCount = 7;
inline constexpr int kLastTabPage = kTabPageCount - 1;

// The pages in tab order, 0 "Welcome" to 6 "Target Search".
extern const std::array<TabPage, kTabPageCount> kTabPages;

}  // namespace tavimor
