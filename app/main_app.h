#pragma once

#include <QApplication>

namespace tavimor {

// The application object: names the application, then runs the main dialog
// modally; the process ends when the dialog closes.
class CMainApp : public QApplication {
    Q_OBJECT

public:
    CMainApp(int& argc, char** argv);

    // Follows the command line (see readCommandLine): shows the main dialog
    // and returns the exit code once it has closed, or answers at once.
    int run();
};

}  // namespace tavimor
