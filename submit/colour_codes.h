#pragma once

#include <string>
#include <string_view>

namespace tavimor {

// Translate the text of a colour box into the "#RRGGBB" code the registration
// service expects. Each translation has its own table of accepted texts (a
// colour's list name and one second spelling) and its own default for any
// text it does not accept. Matching is exact, whole-text and case-sensitive.
std::string BackgroundColourCode(std::string_view name);     // bg_colour
std::string LinkColourCode(std::string_view name);           // link_colour
std::string VisitedLinkColourCode(std::string_view name);    // vlink_colour
std::string ActiveLinkColourCode(std::string_view name);     // alink_colour
std::string ResultBarColourCode(std::string_view name);      // sbar_colour
std::string ResultBarTextColourCode(std::string_view name);  // sbartxt_colour

}  // namespace tavimor
