#include "submit/form_encoding.h"

#include <array>

namespace tavimor {
namespace {

constexpr bool isKeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' ||
           c == '-' || c == '.' || c == '_';
}

}  // namespace

void appendFormValue(std::string& out, std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (unsigned char c : value) {
        if (isKeptAsIs(c)) {
            out += static_cast<char>(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            const std::array<char, 3> escape = {'%', kHex[c >> 4], kHex[c & 0x0F]};
            out.append(escape.data(), escape.size());
        }
    }
}

std::string encodeFormValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    appendFormValue(out, value);
    return out;
}

}  // namespace tavimor
