#pragma once

// The language the program speaks: the desktop's, when there is a
// translation into it, else English, the language of the source. The
// program's own translations are embedded (tavimor_<language>.qm under
// :/i18n); Qt's own, for the file dialogs and the message boxes' buttons,
// come from the system's Qt (qtbase_<language>.qm).

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tavimor {

// Which of `available` (language codes as the translation files end:
// "de", "pt_BR") to speak for a user whose languages, in order of
// preference, are `uiLanguages`, written as QLocale::uiLanguages() writes
// them ("de-AT", "de-Latn-AT", "fr"). The first preference that has a
// translation, for its region or else for its language alone, wins; an
// English one ("en-GB") means English even when a later one has a
// translation. Empty for English.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& available);

// The user's languages as the desktop's locale gives them, read by QLocale:
// LANGUAGE ("de:fr") when it is set, else the first of LC_ALL, LC_MESSAGES
// and LANG that is. None in the C locale, in which GNU programs speak
// English whatever LANGUAGE says: `LC_ALL=C tavimor` asks for English.
QStringList desktopLanguages();

// The languages the program has a translation into, from its embedded files.
QStringList translatedLanguages();

// Installs on `app` the translators for the desktop's language, the
// program's own and Qt's own, each owned by `app`; nothing for English.
// Qt's own missing (the system's Qt translations not installed) leaves the
// program's words translated and Qt's in English, and says so in the log.
// Returns the language chosen, empty for English. Called once, before any
// window or the command line's help is made.
QString installTranslators(QCoreApplication& app);

// The same for `language`, one of translatedLanguages(), whatever the
// desktop's is: false, with nothing installed, when the program's own
// translation into it cannot be read.
bool installTranslatorsFor(QCoreApplication& app, const QString& language);

}  // namespace tavimor
