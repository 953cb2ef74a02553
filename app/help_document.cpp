#include "app/help_document.h"

#include <QDir>

namespace tavimor {
namespace {

const QString kFolder = QStringLiteral(":/help");
const QString kOriginal = QStringLiteral("help");
const QString kSuffix = QStringLiteral(".html");

}  // namespace

QStringList helpLanguages() {
    const QString prefix = kOriginal + u'_';
    QStringList languages;
    for (const QString& file :
         QDir(kFolder).entryList({prefix + u'*' + kSuffix}, QDir::Files, QDir::Name)) {
        languages.append(file.mid(prefix.size(), file.size() - prefix.size() - kSuffix.size()));
    }
    return languages;
}

QString helpDocumentPath(const QStringList& uiLanguages) {
    const QString language = chooseLanguage(uiLanguages, helpLanguages());
    const QString name = language.isEmpty() ? kOriginal : kOriginal + u'_' + language;
    return kFolder + u'/' + name + kSuffix;
}

}  // namespace tavimor
