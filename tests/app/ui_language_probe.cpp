// Started by the translation tests with an environment of their choosing:
// installs the translators as the program does and prints, a line each, the
// language chosen ("-" for English), one of the core's messages and one of
// Qt's own button texts as they now read. A process of its own, since Qt
// reads the locale's variables once per process.
#include <QCoreApplication>

#include <cstdio>

#include "dialog_engine/translated_text.h"
#include "app/translations.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString language = tavimor::installTranslators(app);
    const tavimor::TranslatableText message(
        {"ProfileFile", "Cannot load the profile \"%1\": %2."},
        {std::string("%2.dat"),
         tavimor::TranslatableText({"ProfileFile", "there is no such file"})});
    std::printf("%s\n%s\n%s\n", language.isEmpty() ? "-" : qPrintable(language),
                qPrintable(tavimor::translated(message)),
                qPrintable(QCoreApplication::translate("QPlatformTheme", "Cancel")));
    return 0;
}
