#include "profile/translatable_text.h"

#include <gtest/gtest.h>

namespace tavimor {
namespace {

TEST(TranslatableText, EnglishFillsEachPlaceholderOnceByItsNumber) {
    const TranslatableText clause({"Test", "it is %1 bytes"}, {std::string("12")});
    const struct {
        TranslatableText text;
        std::string english;
    } cases[] = {
        {{{"Test", "no arguments, 100% as written"}}, "no arguments, 100% as written"},
        {{{"Test", "\"%2\" before \"%1\""}, {std::string("one"), std::string("two")}},
         "\"two\" before \"one\""},
        // Data that looks like a placeholder is data.
        {{{"Test", "Cannot load \"%1\": %2."}, {std::string("%2%1.dat"), std::string("gone %1")}},
         "Cannot load \"%2%1.dat\": gone %1."},
        {{{"Test", "Cannot load \"%1\": %2."}, {std::string("a.dat"), clause}},
         "Cannot load \"a.dat\": it is 12 bytes."},
        {{{"Test", "%1 of %3, %0 and %"}, {std::string("x")}}, "x of %3, %0 and %"},
        {{}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text.english(), c.english) << c.text.source();
}

TEST(TranslatableText, EqualByWordsNotByWhereTheyAreStored) {
    const std::string context = "Test";
    const std::string source = "%1 left";
    const TranslatableText a({"Test", "%1 left"}, {std::string("1")});
    EXPECT_EQ(a, TranslatableText({context.c_str(), source.c_str()}, {std::string("1")}));
    EXPECT_NE(a, TranslatableText({"Test", "%1 left"}, {std::string("2")}));
    EXPECT_NE(a, TranslatableText({"Other", "%1 left"}, {std::string("1")}));
    EXPECT_NE(TextArgument(std::string("1 left")),
              TextArgument(TranslatableText({"Test", "1 left"})));
}

}  // namespace
}  // namespace tavimor
