#pragma once

#include <QApplication>
#include <QString>

#include <functional>

namespace tavimor {

struct FormFolders;

// The program: answers the command line, or makes the application and runs
// the main dialog; returns the exit code. `started`, when given, runs once
// the application object exists (the start-up benchmark's probe).
int runProgram(int& argc, char** argv, const std::function<void()>& started = {});

// Names the application for Qt (name, version), as the command line reads
// it before there is an application object of the kind a window needs.
void nameApplication();

// The application object of a program that shows a window: names the
// application, then runs the main dialog modally; the process ends when the
// dialog closes.
class CMainApp : public QApplication {
    Q_OBJECT

public:
    CMainApp(int& argc, char** argv);

    // Shows the main dialog, with `profile` loaded once it shows when one is
    // given, and returns the exit code once it has closed.
    int run(const QString& profile);

    // Where this program keeps the form's files: "Profiles" under the folder
    // it started in, made now, and the recovery folder in the user's data
    // folder of the application.
    static FormFolders formFolders();
};

}  // namespace tavimor
