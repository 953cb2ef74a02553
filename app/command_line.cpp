#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

#include "dialog_engine/text.h"

namespace tavimor {
namespace {

constexpr int kUsageError = 2;

// The options Qt's window system and widgets take for themselves: they are
// read here before the application object that takes them out exists, and
// pass unremarked. Those in the first list take a value.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet",
};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* stream, const QString& text) {
    std::fputs(bytesFromText(text).c_str(), stream);
    std::fflush(stream);
}

void passQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

StartRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-style Fusion").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    passQtOptions(parser);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Orders a custom search box for your web site."));
    // Not Qt's help option, which adds --help-all for Qt's own options: the
    // program has no use for them beyond what Qt reads before this.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption registrations(
        QStringLiteral("registrations"),
        QCoreApplication::translate("CommandLine",
                                    "Prints the registrations kept, newest first, one a line: "
                                    "date, ID code, site name, site URL and e-mail, separated by "
                                    "tabs."));
    parser.addOption(registrations);
    parser.addPositionalArgument(
        //: The name of the argument, as the help's list of arguments shows it.
        QCoreApplication::translate("CommandLine", "profile"),
        QCoreApplication::translate("CommandLine", "A profile (.dat) to open in the form."),
        //: The argument as the help's usage line shows it.
        QCoreApplication::translate("CommandLine", "[profile]"));

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
    if (parser.isSet(registrations)) return {std::nullopt, {}, true};
    const QStringList profiles = parser.positionalArguments();
    if (profiles.size() > 1) {
        return usageError(QCoreApplication::translate("CommandLine",
                                                      "Only one profile can be opened at a time."));
    }
    // Absolute, so that messages name the file whatever the folder is later.
    return {std::nullopt,
            profiles.isEmpty() ? QString() : QFileInfo(profiles[0]).absoluteFilePath()};
}

}  // namespace tavimor
