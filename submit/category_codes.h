#pragma once

#include <string>
#include <string_view>

namespace tavimor {

// The "Type of Site" name (field `category`) as the service's four-digit code,
// "1001" to "1040"; "1031" (Personal) for any name the table does not know.
std::string SiteCategoryCode(std::string_view name);

// The target category name (field `category_num`) as a four-digit code, or
// "none" for "All Categories" and for any name the table does not know.
std::string TargetCategoryCode(std::string_view name);

}  // namespace tavimor
