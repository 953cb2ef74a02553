// The Qt tests run inside the application object itself, so what it sets up
// (name, version, window icon) is there for them as for the program. CTest
// sets the offscreen platform; running a test program by hand (or for test
// discovery) gets it here too, so no display is ever needed.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/main_app.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does may reach the user's own folders and settings:
    // the Profiles folder each dialog makes, and the data folder where the
    // recovery copies go (home is where test mode puts it), are in a
    // scratch folder that is removed afterwards.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path())) return 1;
    qputenv("HOME", QFile::encodeName(scratch.path()));
    tavimor::CMainApp app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    QDir::setCurrent(QDir::tempPath());  // a folder being removed is no place to stand
    return failed;
}
