#include "app/main_app.h"

#include <QTimer>

#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/main_dialog.h"
#include "app/picture_control.h"
#include "app/user_prompts.h"

namespace tavimor {

CMainApp::CMainApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tavimor"));
    setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    setWindowIcon(applicationIcon());
    // Ties the windows to the installed desktop entry, whose icon and name
    // desktops without window icons (Wayland ones) show in their task lists.
    setDesktopFileName(QString::fromLatin1(kApplicationId));
}

int CMainApp::run() {
    const StartRequest request = readCommandLine(arguments());
    if (request.exitCode) return *request.exitCode;
    MessageBoxPrompts prompts;
    CMainDialog dialog(prompts);
    // Once the window shows, so that any message stands in front of it.
    QTimer::singleShot(0, &dialog, [&] { dialog.openAtStart(request.profile); });
    dialog.exec();
    return 0;
}

}  // namespace tavimor
