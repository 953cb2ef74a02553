#include "app/main_app.h"

#include "app/main_dialog.h"
#include "app/user_prompts.h"

namespace tavimor {

CMainApp::CMainApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tavimor"));
    setApplicationVersion(QStringLiteral(TAVIMOR_VERSION));
}

int CMainApp::run() {
    MessageBoxPrompts prompts;
    CMainDialog dialog(prompts);
    dialog.exec();
    return 0;
}

}  // namespace tavimor
