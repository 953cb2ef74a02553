#include "app/main_app.h"

#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/registrations_command.h"
#include "app/shell_windows.h"
#include "app/translations.h"
#include "dialog_engine/picture_control.h"
#include "dialog_engine/text.h"
#include "form/main_dialog.h"
#include "form/user_prompts.h"

namespace tavimor {

namespace {

// Whether the command line may ask for something other than the window: any
// option, or more than one profile. A plain start, or one with a profile (as
// the desktop starts the program), needs no answer before the window.
bool mayAnswerWithoutWindow(int argc, char** argv) {
    if (argc > 2) return true;
    return argc == 2 && argv[1][0] == '-';
}

}  // namespace

int runProgram(int& argc, char** argv, const std::function<void()>& started) {
    // A command line that may be answered without a window is read before
    // any window system is asked for, so --help, --version and
    // --registrations work where there is no display at all (over ssh, in a
    // script, in a package build). A plain start skips that step, which would
    // cost it a second application object.
    std::optional<StartRequest> request;
    if (mayAnswerWithoutWindow(argc, argv)) {
        QCoreApplication reader(argc, argv);
        nameApplication();
        // The help speaks the desktop's language, as the window would.
        installTranslators(reader);
        request = readCommandLine(QCoreApplication::arguments());
        if (request->listRegistrations) {
            return printRegistrations(registrationsFolder(), stdout, stderr);
        }
        if (request->exitCode) return *request->exitCode;
    }
    CMainApp app(argc, argv);
    if (!request) request = readCommandLine(QCoreApplication::arguments());
    if (started) started();
    return app.run(request->profile);
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Tavimor"));
    QCoreApplication::setApplicationVersion(textFromBytes(kApplicationVersion));
}

CMainApp::CMainApp(int& argc, char** argv) : QApplication(argc, argv) {
    nameApplication();
    installTranslators(*this);
    setWindowIcon(applicationIcon());
    // Ties the windows to the installed desktop entry, whose icon and name
    // desktops without window icons (Wayland ones) show in their task lists.
    setDesktopFileName(textFromBytes(kApplicationId));
}

FormFolders CMainApp::formFolders() {
    const QString profiles = QDir::currentPath() + QStringLiteral("/Profiles");
    // An existing folder is fine, and a failure is left to the file dialogs,
    // which cope with a missing start folder on their own.
    QDir().mkdir(profiles);
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return {profiles, pathFromText(data) / "recovery", registrationsFolder()};
}

int CMainApp::run(const QString& profile) {
    MessageBoxPrompts prompts;
    CMainDialog dialog(prompts, formFolders());
    new ShellWindows(dialog);
    // Once the window shows, so that any message stands in front of it.
    QTimer::singleShot(0, &dialog, [&] { dialog.openAtStart(profile); });
    dialog.exec();
    return 0;
}

}  // namespace tavimor
