#pragma once

// Which help document the help window shows: the translation that matches
// the language the program speaks, else the English original.

#include <QString>
#include <QStringList>

#include "app/translations.h"

namespace tavimor {

// The languages the help is translated into, from the embedded documents
// (help_<language>.html beside help.html).
QStringList helpLanguages();

// The resource path of the help document for a user whose languages are
// `uiLanguages`, chosen by the same rule as the program's translation, so
// that help and dialog speak one language: ":/help/help_de.html", or
// ":/help/help.html" for English.
QString helpDocumentPath(const QStringList& uiLanguages = desktopLanguages());

}  // namespace tavimor
