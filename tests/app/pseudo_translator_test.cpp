// The made-up language of the layout tests: longer, accented, marked at both
// ends, and still working wherever Qt reads a text for more than its words.

#include <QCoreApplication>
#include <QKeySequence>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "pseudo_translator.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using testing_support::PseudoTranslator;

// What a text shows: no tags, an entity as one character, "&&" as "&" and
// a mnemonic as its letter alone.
QString shownText(QString text) {
    text.remove(QRegularExpression(QStringLiteral("<[^<>]*>")));
    text.replace(QRegularExpression(QStringLiteral("&[a-z]+;")), QStringLiteral("#"));
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    return text.replace(u'\x01', u'&');
}

QStringList allOf(const QString& pattern, const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text)) {
        found.append(match.captured());
    }
    return found;
}

TEST(PseudoTranslator, LengthensAccentsAndMarksEveryTextKeepingWhatQtReadsInIt) {
    for (const QString& source :
         {QStringLiteral("&Save"), QStringLiteral("Next >>"), QStringLiteral("OK"),
          QStringLiteral("\"%1\" already exists.\nDo you want to replace it?"),
          QStringLiteral("%n fields on this page, %L2 in all"), QStringLiteral("Save && &Quit"),
          QStringLiteral("<html><b>Your</b> ID &amp; code<br/>below</html>"),
          QStringLiteral("A profile (.dat) to open in the form."),
          QStringLiteral("Data Files *.DAT")}) {
        SCOPED_TRACE(source.toStdString());
        const QString pseudo = PseudoTranslator::pseudo(source);
        const QString shown = shownText(pseudo);
        ASSERT_GE(shown.size(), 2);
        EXPECT_EQ(shown.front(), PseudoTranslator::kStart);
        EXPECT_EQ(shown.back(), PseudoTranslator::kEnd);
        EXPECT_GE(shown.size() - 2, shownText(source).size() * 1.4) << pseudo.toStdString();
        // No plain vowel is left but a mnemonic's letter.
        EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("[aeiou]"))))
            << pseudo.toStdString();

        EXPECT_EQ(allOf(QStringLiteral("%L?[0-9]+|%n"), pseudo),
                  allOf(QStringLiteral("%L?[0-9]+|%n"), source));
        EXPECT_EQ(allOf(QStringLiteral("<[^<>]*>|&[a-z]+;|&&|\n|\\*\\.[a-zA-Z]+"), pseudo),
                  allOf(QStringLiteral("<[^<>]*>|&[a-z]+;|&&|\n|\\*\\.[a-zA-Z]+"), source));
        EXPECT_EQ(QKeySequence::mnemonic(pseudo), QKeySequence::mnemonic(source));
        EXPECT_EQ(Qt::mightBeRichText(pseudo), Qt::mightBeRichText(source));
    }
    EXPECT_EQ(PseudoTranslator::pseudo(QString()), QString());
    // A file dialog reads its patterns from the parentheses that end the text.
    EXPECT_TRUE(PseudoTranslator::pseudo(QStringLiteral("Data Files (*.dat)"))
                    .endsWith(QStringLiteral("] (*.dat)")));
}

TEST(PseudoTranslator, InstalledItTranslatesEveryContextButTheKeyNames) {
    PseudoTranslator pseudo;
    ASSERT_TRUE(QCoreApplication::installTranslator(&pseudo));
    const QString message = QCoreApplication::translate("ProfileFile", "there is %1 left");
    const QString button = QCoreApplication::translate("QPlatformTheme", "Cancel");
    const QString key = QCoreApplication::translate("QShortcut", "Ctrl");
    QCoreApplication::removeTranslator(&pseudo);

    EXPECT_EQ(message, PseudoTranslator::pseudo(QStringLiteral("there is %1 left")));
    EXPECT_EQ(message.arg(QStringLiteral("%2 room")).count(QStringLiteral("%2 room")), 1);
    EXPECT_EQ(button, PseudoTranslator::pseudo(QStringLiteral("Cancel")));
    EXPECT_EQ(key, QStringLiteral("Ctrl"));
}

}  // namespace
}  // namespace tavimor
