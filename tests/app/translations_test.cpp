// The program's languages: which one a desktop gets, that each translation
// is whole, and that the help follows the language of the dialog.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "app/help_document.h"
#include "app/translations.h"
#include "dialog_engine/translated_text.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

// What the desktop cases below cannot reach while German is the only
// translation: a translation for a region, and the locale's own spelling.
TEST(Translations, ARegionsTranslationIsChosenOnlyForThatRegion) {
    const QStringList available = {QStringLiteral("de"), QStringLiteral("pt_BR")};
    EXPECT_EQ(chooseLanguage({"pt-BR", "pt-Latn-BR", "pt"}, available), "pt_BR");
    EXPECT_EQ(chooseLanguage({"pt-PT", "pt-Latn-PT", "pt", "de"}, available), "de");
}

// The program itself, started under a desktop's locale variables: LANGUAGE
// first, then LC_ALL, LC_MESSAGES and LANG; English in the C locale and where
// there is no translation; Qt's own texts in the same language as the
// program's; English byte for byte.
TEST(Translations, FollowTheDesktopsLocaleVariables) {
    const QString english =
        QStringLiteral("Cannot load the profile \"%2.dat\": there is no such file.");
    const QString german =
        QStringLiteral("Das Profil „%2.dat“ kann nicht geladen werden: die Datei existiert nicht.");
    const struct {
        QStringList environment;
        QStringList printed;
    } cases[] = {
        {{"LANG=de_DE.UTF-8"}, {"de", german, "Abbrechen"}},
        {{"LANGUAGE=fr:de", "LANG=fr_FR.UTF-8"}, {"de", german, "Abbrechen"}},
        {{"LANGUAGE=de", "LC_ALL=en_US.UTF-8"}, {"de", german, "Abbrechen"}},
        {{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"}, {"-", english, "Cancel"}},
        {{"LC_ALL=de_AT.UTF-8", "LC_MESSAGES=fr_FR.UTF-8", "LANG=fr_FR.UTF-8"},
         {"de", german, "Abbrechen"}},
        {{"LC_ALL=en_US.UTF-8", "LC_MESSAGES=de_DE.UTF-8"}, {"-", english, "Cancel"}},
        {{"LC_MESSAGES=de_CH.UTF-8", "LANG=fr_FR.UTF-8"}, {"de", german, "Abbrechen"}},
        {{"LANGUAGE=de", "LC_ALL=C"}, {"-", english, "Cancel"}},
        {{"LANG=fr_FR.UTF-8"}, {"-", english, "Cancel"}},
        {{}, {"-", english, "Cancel"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.environment.join(u' ').toStdString());
        QProcess probe;
        probe.setEnvironment(c.environment);
        probe.start(QStringLiteral(TAVIMOR_UI_LANGUAGE_PROBE), {});
        ASSERT_TRUE(probe.waitForFinished(10000));
        ASSERT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
                  c.printed);
    }
}

struct Unfinished {
    QString context;
    QString source;
    QString why;
};

// Every message of the .ts file at `path` that a user would not see
// properly translated: none or an unfinished translation, or one that
// loses a placeholder or the mnemonic of its source. A text with a count
// has a form for each kind of number its language tells apart, each to be
// finished; a form may say "one" instead of "%n".
std::vector<Unfinished> unfinishedIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{{}, path, file.errorString()}};
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]+|%n"));
    const auto placeholders = [](const QString& text, bool countMayGo) {
        QStringList found;
        for (const auto& match : placeholder.globalMatch(text)) {
            if (!(countMayGo && match.captured() == u"%n")) found.append(match.captured());
        }
        found.sort();
        return found;
    };
    const auto hasMnemonic = [](const QString& text) {
        return QString(text).remove(QStringLiteral("&&")).contains(u'&');
    };
    std::vector<Unfinished> found;
    QXmlStreamReader ts(&file);
    QString context;
    QString source;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement) continue;
        if (ts.name() == u"name") {
            context = ts.readElementText();
        } else if (ts.name() == u"source") {
            source = ts.readElementText();
        } else if (ts.name() == u"translation") {
            const QString type = ts.attributes().value(QStringLiteral("type")).toString();
            if (type == u"vanished" || type == u"obsolete") continue;
            QStringList forms;
            QString text;
            while (ts.readNext() != QXmlStreamReader::EndElement || ts.name() != u"translation") {
                if (ts.atEnd()) break;
                if (ts.isCharacters()) text += ts.text();
                if (ts.isStartElement() && ts.name() == u"numerusform") {
                    forms.append(ts.readElementText());
                }
            }
            const bool counted = !forms.isEmpty();
            if (!counted) forms.append(text);
            QString why;
            for (const QString& translation : forms) {
                if (type == u"unfinished" || translation.isEmpty()) {
                    why = QStringLiteral("no finished translation");
                } else if (placeholders(translation, counted) != placeholders(source, counted)) {
                    why = QStringLiteral("placeholders differ: ") + translation;
                } else if (hasMnemonic(source) != hasMnemonic(translation)) {
                    why = QStringLiteral("mnemonic lost or added: ") + translation;
                }
                if (!why.isEmpty()) break;
            }
            if (!why.isEmpty()) found.push_back({context, source, why});
        }
    }
    if (ts.hasError()) found.push_back({{}, path, ts.errorString()});
    return found;
}

// Each translation file, brought up to date with the sources in a scratch
// copy as `make translations` would, has a finished translation of every
// text, so a text added without one fails here.
TEST(Translations, EveryTextHasAFinishedTranslation) {
    const QStringList files =
        QDir(QStringLiteral(TAVIMOR_TRANSLATIONS_DIR)).entryList({QStringLiteral("tavimor_*.ts")});
    ASSERT_FALSE(files.isEmpty());
    const QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString copy = scratch.filePath(name);
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVIMOR_TRANSLATIONS_DIR "/") + name, copy));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TAVIMOR_LUPDATE),
                      {QStringLiteral("-no-obsolete"), QStringLiteral("-tr-function-alias"),
                       QStringLiteral(TAVIMOR_LUPDATE_ALIAS),
                       QStringLiteral("@" TAVIMOR_LUPDATE_SOURCES), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(20000));
        const QString said = QString::fromUtf8(lupdate.readAll());
        ASSERT_EQ(lupdate.exitCode(), 0) << said.toStdString();
        // What lupdate says about a place in the sources ("file:12: Cannot
        // invoke tr() like this") is a text no translation will reach.
        EXPECT_FALSE(said.contains(QRegularExpression(QStringLiteral(":[0-9]+: "))))
            << said.toStdString();
        for (const Unfinished& text : unfinishedIn(copy)) {
            ADD_FAILURE() << text.context.toStdString() << ": \"" << text.source.toStdString()
                          << "\": " << text.why.toStdString();
        }
    }
}

QString resourceText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList allMatches(const QString& pattern, const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(pattern).globalMatch(text)) {
        found.append(match.captured(1));
    }
    return found;
}

// Every translation of the help has the sections of the original, in its
// order, so that the help window finds each page's section in it; its links
// lead to its own sections; it quotes the core's messages as the program's
// translation into that language shows them. And every language the
// program speaks has its help.
TEST(Translations, EachHelpHasTheSectionsOfTheOriginalAndQuotesTheMessagesAsShown) {
    const QString original = resourceText(QStringLiteral(":/help/help.html"));
    const QStringList sections = allMatches(QStringLiteral(R"#(id="([^"]+)")#"), original);
    const QStringList quoted =
        allMatches(QStringLiteral(R"(<span class="msg">([^<]*)</span>)"), original);
    ASSERT_GE(sections.size(), kTabPageCount);
    ASSERT_FALSE(quoted.isEmpty());
    EXPECT_EQ(helpLanguages(), translatedLanguages());
    for (const QString& language : helpLanguages()) {
        SCOPED_TRACE(language.toStdString());
        const QString path = helpDocumentPath({language});
        EXPECT_EQ(path, QStringLiteral(":/help/help_%1.html").arg(language));
        const QString help = resourceText(path);
        EXPECT_EQ(allMatches(QStringLiteral(R"#(id="([^"]+)")#"), help), sections);
        for (const QString& link : allMatches(QStringLiteral(R"#(href="#([^"]+)")#"), help)) {
            EXPECT_TRUE(sections.contains(link)) << link.toStdString();
        }
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/tavimor_") + language));
        QStringList shown;
        for (const QString& message : quoted) {
            shown.append(translator.translate("Registration", message.toUtf8().constData()));
        }
        EXPECT_EQ(allMatches(QStringLiteral(R"(<span class="msg">([^<]*)</span>)"), help), shown);
    }
    EXPECT_EQ(helpDocumentPath({QStringLiteral("fr-FR")}), QStringLiteral(":/help/help.html"));
}

}  // namespace
}  // namespace tavimor
