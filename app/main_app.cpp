#include "app/main_app.h"

#include "app/main_dialog.h"
#include "app/picture_control.h"
#include "app/user_prompts.h"

namespace tavimor {

CMainApp::CMainApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tavimor"));
    setApplicationVersion(QStringLiteral(TAVIMOR_VERSION));
    setWindowIcon(applicationIcon());
    // Ties the windows to the installed desktop entry, whose icon and name
    // desktops without window icons (Wayland ones) show in their task lists.
    setDesktopFileName(QStringLiteral("org.tavimor.Tavimor"));
}

int CMainApp::run() {
    MessageBoxPrompts prompts;
    CMainDialog dialog(prompts);
    dialog.exec();
    return 0;
}

}  // namespace tavimor
