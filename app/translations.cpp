#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace tavimor {
namespace {

Q_LOGGING_CATEGORY(lcTranslations, "tavimor.i18n")

const QString kOwnFolder = QStringLiteral(":/i18n");
const QString kOwnPrefix = QStringLiteral("tavimor_");
const QString kQtPrefix = QStringLiteral("qtbase_");
const QString kSuffix = QStringLiteral(".qm");

// "de-Latn-AT" -> {"de_AT", "de"}: the names a translation for it may have,
// the closest first. The script is left out; no translation names one.
QStringList candidatesFor(const QString& uiLanguage) {
    const QStringList tags = uiLanguage.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (tags.isEmpty()) return {};
    const QString language = tags.first();
    QStringList candidates;
    for (qsizetype i = tags.size() - 1; i > 0; --i) {
        const QString& tag = tags[i];
        const bool isRegion = (tag.size() == 2 && tag.front().isUpper()) ||
                              (tag.size() == 3 && tag.front().isDigit());
        if (isRegion) {
            candidates.append(language + QLatin1Char('_') + tag);
            break;
        }
    }
    candidates.append(language);
    return candidates;
}

}  // namespace

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available) {
    for (const QString& uiLanguage : uiLanguages) {
        // Some lists use the locale's own spelling, "de_AT".
        const QStringList candidates = candidatesFor(QString(uiLanguage).replace(u'_', u'-'));
        if (candidates.isEmpty()) continue;
        if (candidates.last() == u"en") return {};
        for (const QString& candidate : candidates) {
            if (available.contains(candidate)) return candidate;
        }
    }
    return {};
}

QStringList desktopLanguages() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return {};
    return system.uiLanguages();
}

QStringList translatedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kOwnFolder).entryList({kOwnPrefix + u'*' + kSuffix}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages.append(
            file.mid(kOwnPrefix.size(), file.size() - kOwnPrefix.size() - kSuffix.size()));
    }
    return languages;
}

QString installTranslators(QCoreApplication& app) {
    const QString language = chooseLanguage(desktopLanguages(), translatedLanguages());
    if (language.isEmpty() || !installTranslatorsFor(app, language)) return {};
    return language;
}

bool installTranslatorsFor(QCoreApplication& app, const QString& language) {
    auto* own = new QTranslator(&app);
    if (!own->load(kOwnPrefix + language, kOwnFolder)) {
        qCWarning(lcTranslations) << "the program's translation into" << language
                                  << "could not be read; it speaks English";
        delete own;
        return false;
    }
    app.installTranslator(own);
    // The same language as the program's, never another one the desktop
    // also names: one window, one language.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* qt = new QTranslator(&app);
    if (qt->load(kQtPrefix + language, qtFolder)) {
        app.installTranslator(qt);
    } else {
        qCWarning(lcTranslations).noquote()
            << "Qt's own translation into" << language << "is not in" << qtFolder
            << "(Debian's qt6-translations-l10n): Qt's dialogs and buttons stay in English";
        delete qt;
    }
    return true;
}

}  // namespace tavimor
