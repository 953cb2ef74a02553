#pragma once

#include <string>
#include <string_view>

namespace tavimor {

// One form value as application/x-www-form-urlencoded carries it: the bytes
// A-Z a-z 0-9 * - . _ as they are, a space as "+", every other byte as "%XX"
// with uppercase hex digits. A standard form decoder on the service's side
// gives back exactly the bytes the user typed, whatever they are ("&", "=",
// "+", "%", line breaks, bytes above 0x7F), so no value can split into two
// pairs or lose a character on the way.
std::string encodeFormValue(std::string_view value);

// Appends the encoding of `value` to `out`, for building a body in one buffer.
void appendFormValue(std::string& out, std::string_view value);

}  // namespace tavimor
