#pragma once

#include <string_view>

namespace tavimor {

// True when `code` is one of the ISO 3166-1 alpha-2 country codes, exactly as
// listed: two capital letters. The list is generated at configure time from
// Debian's iso-codes package (submit/CMakeLists.txt), so it follows that
// package rather than a copy kept here. Used by the field hints.
bool isIsoCountryCode(std::string_view code);

}  // namespace tavimor
