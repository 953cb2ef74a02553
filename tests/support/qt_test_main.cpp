// The Qt tests run inside the application object itself, so what it sets up
// (name, version, window icon) is there for them as for the program. CTest
// sets the offscreen platform; running a test program by hand (or for test
// discovery) gets it here too, so no display is ever needed.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/main_app.h"
#include "qt_test_support.h"

namespace {

QString& scratchPath() {
    static QString path;
    return path;
}

}  // namespace

QString tavimor::testing_support::scratchFolder() { return scratchPath(); }

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests read the program's words in English, whatever the language
    // of the desktop they run on; a test of another language installs it
    // itself.
    qputenv("LANGUAGE", "en");
    // The dialogs under test are given folders in here (testFolders()). Qt's
    // own files (the file dialog's settings, caches) go here as well, so no
    // test reaches the user's folders.
    const QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    scratchPath() = scratch.path();
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString folder = scratch.filePath(QString::fromLatin1(xdg).toLower());
        QDir().mkpath(folder);
        qputenv(xdg, QFile::encodeName(folder));
    }
    tavimor::CMainApp app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
