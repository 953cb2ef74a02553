// The shell: what the program names itself, and the folders it gives the form.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/main_app.h"
#include "form/main_dialog.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;

// The application names itself and gives every window its icon, tied to the
// desktop entry by its id.
TEST(Application, NamesItselfAndCarriesTheIcon) {
    EXPECT_EQ(QApplication::applicationName(), "Tavimor");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.tavimor.Tavimor");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// "Profiles" is made under the folder the program starts in, and a failure
// to make it is left to the file dialogs; the recovery copies go to the
// user's data folder of the application.
TEST(FormFolders, ProfilesUnderTheStartFolderAndAFailureIsSilent) {
    const QString previous = QDir::currentPath();
    QTemporaryDir start;
    QTemporaryDir blocked;
    ASSERT_TRUE(start.isValid() && blocked.isValid());
    QFile blocker(blocked.filePath("Profiles"));  // a file where the folder would go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QDir::setCurrent(start.path());
    const FormFolders first = CMainApp::formFolders();
    QDir::setCurrent(blocked.path());
    const FormFolders second = CMainApp::formFolders();
    QDir::setCurrent(previous);

    EXPECT_EQ(first.profiles, QDir(start.path()).canonicalPath() + "/Profiles");
    EXPECT_TRUE(QDir(first.profiles).exists());
    EXPECT_EQ(second.profiles, QDir(blocked.path()).canonicalPath() + "/Profiles");
    EXPECT_FALSE(QDir(second.profiles).exists());
    EXPECT_EQ(textFromPath(first.recovery),
              qEnvironmentVariable("XDG_DATA_HOME") + "/Tavimor/recovery");
}

}  // namespace
}  // namespace tavimor
