#pragma once

#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

// Marks `text` as words the user reads, to be translated in `context`. Both
// must be string literals: the translation tools (lupdate, told to read this
// as QT_TRANSLATE_NOOP) find them in the source, and the core, which has no
// Qt, keeps them as they are until the UI translates them.
#define TAVIMOR_TRANSLATE_NOOP(context, text) (::tavimor::MarkedText{context, text})

namespace tavimor {

// A text of the program's own, in English, with the context it is
// translated in. Empty unless given, so that a table row without words
// (a field, a picture) holds no null text.
struct MarkedText {
    const char* context = "";
    const char* source = "";
};

class TextArgument;

// Words for the user that the core produces: a marked English text, in which
// %1 to %9 stand for its arguments. An argument is either data, shown as it
// is in every language (a file name, a number, the system's or the service's
// words), or another such text, translated in its turn. The core fills in
// the English; the UI translates the text and each argument before filling
// them in, so an argument that itself holds "%1" stays as it is.
class TranslatableText {
public:
    TranslatableText();  // empty: no words at all
    TranslatableText(MarkedText text);
    TranslatableText(MarkedText text, std::vector<TextArgument> arguments);

    const char* context() const { return text_.context; }
    const char* source() const { return text_.source; }
    const std::vector<TextArgument>& arguments() const { return arguments_; }

    // The text as it reads untranslated: each %N replaced by argument N
    // (1 to 9) in one pass; a %N without an argument stays as written.
    std::string english() const;

    friend bool operator==(const TranslatableText& a, const TranslatableText& b);

private:
    MarkedText text_;
    std::vector<TextArgument> arguments_;
};

class TextArgument {
public:
    TextArgument(std::string data) : value_(std::move(data)) {}
    TextArgument(TranslatableText text) : value_(std::move(text)) {}

    // The data, or nothing when the argument is a text to translate.
    const std::string* data() const { return std::get_if<std::string>(&value_); }
    // The text to translate, or nothing when the argument is data.
    const TranslatableText* text() const { return std::get_if<TranslatableText>(&value_); }

    std::string english() const { return data() ? *data() : text()->english(); }

    friend bool operator==(const TextArgument&, const TextArgument&) = default;

private:
    std::variant<std::string, TranslatableText> value_;
};

// The English text, so that a failing comparison in a test reads as words.
std::ostream& operator<<(std::ostream& out, const TranslatableText& text);

}  // namespace tavimor
