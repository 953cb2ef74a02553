// The real prompts the application shows, driven through their own widgets
// while they are modal, as a user would.
#include <QAbstractButton>
#include <QClipboard>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;

// A box titled with the application's name showing the text exactly, never
// as markup, with no icon and the one OK button; the text can be selected,
// and Ctrl+C puts all of it on the clipboard, so an ID code need not be
// copied out by hand.
TEST(MessageBoxPrompts, MessagesAndQuestionsArePlainBoxes) {
    const QString message = "<b>Your ID Code is : 1</b> \nYou will be receiving an email.";
    MessageBoxPrompts prompts;
    QObject waiting;
    QString title, text;
    bool plain = false, noIcon = false, selectable = false;
    QStringList buttons;
    QGuiApplication::clipboard()->setText("before");
    whenShown<QMessageBox>(&waiting, modalOf<QMessageBox>, [&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        plain = box->textFormat() == Qt::PlainText;
        noIcon = box->icon() == QMessageBox::NoIcon;
        selectable = box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
        for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));  // where shortcuts work
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Return);
    });
    prompts.showMessage(nullptr, message);
    EXPECT_EQ(title, "Tavimor");
    EXPECT_EQ(text, message);
    EXPECT_TRUE(plain && noIcon && selectable);
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), message);

    // Enter keeps the file the question is about; Yes must be chosen. A name
    // in the question is never read as markup.
    whenShown<QMessageBox>(&waiting, modalOf<QMessageBox>, [&](QMessageBox* box) {
        plain = box->textFormat() == Qt::PlainText;
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(prompts.askYesNo(nullptr, "Replace \"<b>a.dat\"?"));
    EXPECT_TRUE(plain);
    whenShown<QMessageBox>(&waiting, modalOf<QMessageBox>,
                           [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_TRUE(prompts.askYesNo(nullptr, "Replace it?"));
}

// The file dialogs open in the folder they are given, show the label as
// given, list only profiles whatever their case, propose no name, and give
// back the file chosen, or nothing when cancelled.
TEST(MessageBoxPrompts, FileDialogsListProfilesAndReturnTheChoice) {
    QTemporaryDir dir;
    for (const char* name : {"a.dat", "B.DAT", "c.Dat", "d.txt", "e.dat.bak", "Data", "Files"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    MessageBoxPrompts prompts;
    QObject waiting;
    QStringList listed;
    QString label, proposed;
    const auto choose = [&](const char* typed) {
        whenShown<QFileDialog>(&waiting, modalOf<QFileDialog>, [&, typed](QFileDialog* dialog) {
            auto* list = dialog->findChild<QListView*>("listView");
            const auto rows = [&] { return list->model()->rowCount(list->rootIndex()); };
            (void)QTest::qWaitFor([&] { return rows() >= 3; }, 5000);  // listed in the background
            QTest::qWait(50);                                          // and anything else
            listed.clear();
            for (int row = 0; row < rows(); ++row) {
                listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
            }
            listed.sort();
            label = dialog->findChild<QComboBox*>("fileTypeCombo")->currentText();
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            proposed = name->text();
            QTest::keyClicks(name, typed);
            QTest::keyClick(name, *typed ? Qt::Key_Return : Qt::Key_Escape);
        });
    };
    choose("mysite");
    EXPECT_EQ(prompts.chooseFileToSave(nullptr, dir.path(), "Data Files *.DAT"),
              dir.filePath("mysite"));
    EXPECT_EQ(label, "Data Files *.DAT");
    EXPECT_EQ(listed, QStringList({"B.DAT", "a.dat", "c.Dat"}));
    EXPECT_EQ(proposed, "");
    choose("B.DAT");
    EXPECT_EQ(prompts.chooseFileToLoad(nullptr, dir.path(), "Data Files (*.dat)"),
              dir.filePath("B.DAT"));
    EXPECT_EQ(label, "Data Files (*.dat)");
    choose("");
    EXPECT_EQ(prompts.chooseFileToLoad(nullptr, dir.path(), "Data Files (*.dat)"), "");
}

}  // namespace
}  // namespace tavimor
