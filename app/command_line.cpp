#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace tavimor {
namespace {

constexpr int kUsageError = 2;

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

StartRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orders a custom search box for your web site."));
    // Not Qt's help option, which adds --help-all for Qt's own options: the
    // program has no use for them beyond what Qt reads before this.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("profile"),
                                 QStringLiteral("A profile (.dat) to open in the form."),
                                 QStringLiteral("[profile]"));

    const auto usageError = [&parser](const QString& why) {
        print(stderr, why + QStringLiteral("\n\n") + parser.helpText());
        return StartRequest{kUsageError, {}};
    };
    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return {0, {}};
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + u' ' +
                          QCoreApplication::applicationVersion() + u'\n');
        return {0, {}};
    }
    const QStringList profiles = parser.positionalArguments();
    if (profiles.size() > 1) {
        return usageError(QStringLiteral("Only one profile can be opened at a time."));
    }
    // Absolute, so that messages name the file whatever the folder is later.
    return {std::nullopt,
            profiles.isEmpty() ? QString() : QFileInfo(profiles[0]).absoluteFilePath()};
}

}  // namespace tavimor
