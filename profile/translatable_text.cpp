#include "profile/translatable_text.h"

#include <cstring>
#include <ostream>

namespace tavimor {

TranslatableText::TranslatableText() : text_{"", ""} {}

TranslatableText::TranslatableText(MarkedText text) : text_(text) {}

TranslatableText::TranslatableText(MarkedText text, std::vector<TextArgument> arguments)
    : text_(text), arguments_(std::move(arguments)) {}

std::string TranslatableText::english() const {
    const std::string_view pattern = text_.source;
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (index < arguments_.size()) {
                out += arguments_[index].english();
                ++at;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool operator==(const TranslatableText& a, const TranslatableText& b) {
    return std::strcmp(a.context(), b.context()) == 0 && std::strcmp(a.source(), b.source()) == 0 &&
           a.arguments() == b.arguments();
}

std::ostream& operator<<(std::ostream& out, const TranslatableText& text) {
    return out << text.english();
}

}  // namespace tavimor
