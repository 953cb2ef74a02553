#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/about_dialog.h"
#include "app/main_dialog.h"
#include "app_test_support.h"
#include "profile/profile_fields.h"
#include "res/combo_lists.h"
#include "res/dialog_templates.h"

namespace tavimor {
namespace {

using testing_support::controlAs;
using testing_support::RecordingPrompts;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    return items;
}

class MainDialogStart : public ::testing::Test {
protected:
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

TEST_F(MainDialogStart, ShowsTheWelcomePageAndTheButtonsOnly) {
    const std::set<int> expected = {2, 57670, 1000, 1072, 1073, 1074, 1087, 1079, 1080, 1081, 1082};
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        EXPECT_EQ(dialog.control(control.id)->isVisibleTo(&dialog), expected.count(control.id) == 1)
            << "control " << control.id;
    }
    EXPECT_EQ(kMainDialogTemplate.controls.size(), 70u);
    EXPECT_EQ(dialog.tabBar()->currentIndex(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Tavimor 1.1");
}

TEST_F(MainDialogStart, EveryFieldHoldsItsStartText) {
    dialog.copyControlsToProfile();
    SiteProfile expected;
    for (const ProfileField& field : kProfileFields) {
        expected.*field.member = std::string(field.startText);
    }
    EXPECT_EQ(dialog.siteProfile(), expected);
    // Spot checks against the words users see, independent of the table.
    EXPECT_EQ(controlAs<QLineEdit>(dialog, 1009)->text(), "http://");
    EXPECT_EQ(controlAs<QComboBox>(dialog, 1065)->currentText(), "Please Select One");
    EXPECT_EQ(controlAs<QComboBox>(dialog, 1056)->currentText(), "All Categories");
    EXPECT_EQ(controlAs<QLineEdit>(dialog, 1002)->text(), "");
}

TEST_F(MainDialogStart, ListsHoldTheirEntriesSortedBoxesAlphabetically) {
    for (const ComboList& list : kComboLists) {
        auto* combo = controlAs<QComboBox>(dialog, list.controlId);
        ASSERT_NE(combo, nullptr) << list.controlId;
        QStringList added;
        for (std::string_view entry : list.entries) added.append(qs(entry));
        QStringList shown = itemsOf(combo);
        if (list.sorted) {
            QStringList byName = added;
            std::sort(byName.begin(), byName.end(), [](const QString& a, const QString& b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
            EXPECT_EQ(shown, byName) << list.controlId;
        } else {
            EXPECT_EQ(shown, added) << list.controlId;
        }
        EXPECT_TRUE(combo->isEditable()) << list.controlId;
    }
    // The orders a user sees, written out.
    const QStringList link = itemsOf(controlAs<QComboBox>(dialog, 1025));
    EXPECT_LT(link.indexOf("Light Steel Blue"), link.indexOf("Light Wood"));
    EXPECT_LT(link.indexOf("Wheat"), link.indexOf("White"));
    EXPECT_EQ(link.first(), "Aqua");
    const QStringList visited = itemsOf(controlAs<QComboBox>(dialog, 1027));
    EXPECT_LT(visited.indexOf("Light Wood"), visited.indexOf("Light Steel Blue"));
    EXPECT_EQ(itemsOf(controlAs<QComboBox>(dialog, 1023)).first(), "White");

    // The 41st Type of Site entry is empty and can be picked.
    auto* site = controlAs<QComboBox>(dialog, 1065);
    ASSERT_EQ(site->count(), 41);
    site->setCurrentIndex(40);
    EXPECT_EQ(site->currentText(), "");
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile().category, "");
}

TEST_F(MainDialogStart, TypedTextStaysAsTypedAndNeverJoinsTheList) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // Texts that differ from an entry only in case, or are not in the list.
    const std::pair<int, QString> typed[] = {
        {1065, "Html Support"}, {1023, "red"}, {1056, "Government"}, {1029, "Mauve"}};
    for (const auto& [id, text] : typed) {
        auto* combo = controlAs<QComboBox>(dialog, id);
        const int count = combo->count();
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        controlAs<QLineEdit>(dialog, 1002)->setFocus();  // leaving the box ends the edit
        EXPECT_EQ(combo->currentText(), text) << id;
        EXPECT_EQ(combo->count(), count) << id;
    }
}

TEST_F(MainDialogStart, FocusStartsOnCancelAndTabFollowsTheTemplate) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.control(2));

    // On the Welcome page only the buttons and the tab labels take focus.
    QList<QWidget*> visited;
    for (int i = 0; i < 7; ++i) {
        visited.append(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QList<QWidget*> expected = {dialog.control(2),    dialog.control(57670),
                                      dialog.tabBar(),      dialog.control(1072),
                                      dialog.control(1073), dialog.control(1074),
                                      dialog.control(1087)};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), dialog.control(2)) << "Tab wraps round to Cancel";
}

TEST_F(MainDialogStart, ScreenReadersHearEachFieldByItsLabel) {
    std::set<QString> names;
    for (const ProfileField& field : kProfileFields) {
        QWidget* widget = dialog.control(field.controlId);
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(access, nullptr) << field.key;
        const QString label = qs(field.label);
        names.insert(label);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // The bridge reads an editable box's name as its text; the words
            // travel in the description and on the edit field instead.
            EXPECT_EQ(access->text(QAccessible::Description), label) << field.key;
            QAccessibleInterface* line = QAccessible::queryAccessibleInterface(combo->lineEdit());
            EXPECT_EQ(line->text(QAccessible::Name), label) << field.key;
        } else {
            EXPECT_EQ(access->text(QAccessible::Name), label) << field.key;
        }
        // The label beside the field is announced as its label.
        const auto labels = access->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << field.key;
        EXPECT_TRUE(qobject_cast<QLabel*>(labels.first().first->object())) << field.key;
    }
    EXPECT_EQ(names.size(), kProfileFields.size()) << "accessible names must be distinct";
    EXPECT_EQ(controlAs<QLabel>(dialog, 1001)->buddy(), dialog.control(1002));
    EXPECT_EQ(controlAs<QLabel>(dialog, 1058)->buddy(), dialog.control(1057));
}

TEST_F(MainDialogStart, FieldsHoldAnyTextWholeAndInClear) {
    // Longer than Qt's default limit of 32767 characters, with bytes that
    // need care on the way to and from the record.
    const std::string awkward = std::string(40000, 'x') + " & = + % # \xC3\xA9";
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) {
        profile.*field.member = std::string(field.key) + ':' + awkward;
    }
    // Through the record and the controls and back, as Load and Save will.
    dialog.copyControlsToProfile();
    dialog.siteProfile() = profile;
    dialog.copyProfileToControls();
    dialog.siteProfile() = SiteProfile{};
    dialog.copyControlsToProfile();
    for (const ProfileField& field : kProfileFields) {
        const std::string& got = dialog.siteProfile().*field.member;
        EXPECT_EQ(got.size(), (profile.*field.member).size()) << field.key;
        EXPECT_TRUE(got == profile.*field.member) << field.key;  // too long to print
    }
    EXPECT_EQ(controlAs<QLineEdit>(dialog, 1011)->echoMode(), QLineEdit::Normal);
}

class MainDialogKeys : public MainDialogStart {
protected:
    void SetUp() override {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
};

TEST_F(MainDialogKeys, EnterInAFieldKeepsTheDialogAndWhatWasTyped) {
    QSignalSpy finished(&dialog, &QDialog::finished);
    for (int id : {1002, 1009, 1065, 1056}) {
        QWidget* field = dialog.control(id);
        if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
        field->setFocus();
        QTest::keyClicks(field, "typed");
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(dialog.isVisible()) << id;
    }
    EXPECT_EQ(finished.count(), 0);
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile().user_name, "typed");
    EXPECT_EQ(dialog.siteProfile().site_URL, "http://typed");
}

TEST_F(MainDialogKeys, EnterOnAFocusedButtonPressesIt) {
    dialog.control(2)->setFocus();
    QTest::keyClick(dialog.control(2), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(MainDialogKeys, EscapeClosesAtOnceFromAnyField) {
    dialog.control(1002)->setFocus();
    QTest::keyClicks(dialog.control(1002), "unsaved");
    QTest::keyClick(dialog.control(1002), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(prompts.messages.empty()) << "no question before closing";
}

TEST_F(MainDialogKeys, CancelAndTheCloseBoxCloseAtOnce) {
    QTest::mouseClick(dialog.control(2), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.isVisible());
}

// Runs a test body with the working directory switched, and switches back.
class InDirectory {
public:
    explicit InDirectory(const QString& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~InDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

TEST(ProfileFolder, IsCreatedUnderTheStartDirectoryAndStaysPut) {
    QTemporaryDir start;
    ASSERT_TRUE(start.isValid());
    const InDirectory inStart(start.path());
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, "127.0.0.1:9");
    const QString expected = QDir(start.path()).canonicalPath() + "/Profiles";
    EXPECT_EQ(dialog.profileFolder(), expected);
    EXPECT_TRUE(QDir(dialog.profileFolder()).exists());

    // A folder left from an earlier run is fine, and a later change of the
    // working directory does not move the folder.
    QTemporaryDir elsewhere;
    const InDirectory inElsewhere(elsewhere.path());
    CMainDialog second(prompts, "127.0.0.1:9");
    EXPECT_EQ(dialog.profileFolder(), expected);
    EXPECT_EQ(second.profileFolder(), QDir(elsewhere.path()).canonicalPath() + "/Profiles");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(ProfileFolder, AFolderThatCannotBeMadeIsNoError) {
    QTemporaryDir start;
    ASSERT_TRUE(start.isValid());
    QFile blocker(start.filePath("Profiles"));  // a file where the folder would go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const InDirectory inStart(start.path());
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, "127.0.0.1:9");
    EXPECT_EQ(dialog.profileFolder(), QDir(start.path()).canonicalPath() + "/Profiles");
    EXPECT_FALSE(QDir(dialog.profileFolder()).exists());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST(AboutBox, ClosesOnOkAndOnEscape) {
    CAboutDialog about;
    EXPECT_EQ(about.windowTitle(), "About Tavimor");
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    QTest::mouseClick(about.findChild<QPushButton*>("1"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);

    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tavimor
