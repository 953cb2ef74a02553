// The one crossing between the record's bytes and the text Qt shows.
#include <gtest/gtest.h>

#include <string>

#include "dialog_engine/text.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

// Valid UTF-8 reads as UTF-8, at every boundary of its sequences; anything
// else reads whole as Windows-1252, its five unassigned bytes as the C1
// controls of the same value. No byte is ever lost or replaced.
TEST(FormText, ReadsUtf8AsUtf8AndAnythingElseAsWindows1252) {
    const struct {
        const char* name;
        std::string bytes;
        QString text;
    } kReads[] = {
        {"ASCII and NUL", std::string("A\0z", 3), QString("A") + QChar(0) + "z"},
        {"lowest two-byte lead", "\xC2\xA9", u"\u00A9"_qs},
        {"highest two-byte lead", "\xDF\xBF", u"\u07FF"_qs},
        {"lowest three-byte lead", "\xE0\xA4\x85", u"\u0905"_qs},
        {"highest three-byte lead", "\xEF\xBF\xBD", u"\uFFFD"_qs},
        {"a byte-order mark stays",
         "\xEF\xBB\xBF"
         "a",
         u"\uFEFFa"_qs},
        {"lowest four-byte lead", "\xF0\x90\x80\x80", QString::fromUcs4(U"\U00010000", 1)},
        {"highest code point", "\xF4\x8F\xBF\xBF", QString::fromUcs4(U"\U0010FFFF", 1)},
        {"Windows-1252 letter", "Jos\xE9", u"Jos\u00E9"_qs},
        {"unassigned bytes", "\x80\x81\x8D\x8F\x90\x9D\x9F",
         u"\u20AC\u0081\u008D\u008F\u0090\u009D\u0178"_qs},
        {"overlong two bytes", "\xC1\xBF", u"\u00C1\u00BF"_qs},
        {"overlong three bytes", "\xE0\x80\xAF", u"\u00E0\u20AC\u00AF"_qs},
        {"cut sequence", "\xE2\x82", u"\u00E2\u201A"_qs},
        {"surrogate", "\xED\xA0\x80", u"\u00ED\u00A0\u20AC"_qs},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC"_qs},
        {"lead byte past 0xF4", "\xF5\x80\x80\x80", u"\u00F5\u20AC\u20AC\u20AC"_qs},
        {"lone continuation", "a\x80", u"a\u20AC"_qs},
    };
    for (const auto& read : kReads) EXPECT_EQ(textFromBytes(read.bytes), read.text) << read.name;
}

// A field whose control still shows what its bytes read as keeps them; an
// edited one is stored as UTF-8; what is sent is always the shown text as
// UTF-8.
TEST(FormText, KeepsAnUntouchedFieldsBytesAndStoresAnEditedOneAsUtf8) {
    std::string field = "Jos\xE9";
    storeShownText(u"Jos\u00E9"_qs, field);
    EXPECT_EQ(field, "Jos\xE9");
    EXPECT_EQ(shownTextAsUtf8(field), "Jos\xC3\xA9");
    storeShownText(u"Jos\u00E9e"_qs, field);
    EXPECT_EQ(field,
              "Jos\xC3\xA9"
              "e");
    EXPECT_EQ(bytesFromText(QString::fromUcs4(U"\U0001F600", 1)), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace tavimor
