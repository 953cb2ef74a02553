#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "qt_test_support.h"
#include "profile/profile_fields.h"
#include "res/combo_lists.h"

namespace tavimor {
namespace {

using namespace testing_support;

class MainDialog : public ::testing::Test {
protected:
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
    return items;
}

TEST_F(MainDialog, StartsWithTheStartTextsAndTheListsInDisplayOrder) {
    dialog.copyControlsToProfile();
    for (const ProfileField& field : kProfileFields) {
        EXPECT_EQ(dialog.siteProfile().*field.member, field.startText) << field.key;
    }
    for (const ComboList& list : kComboLists) {
        QStringList added;
        for (std::string_view entry : list.entries) added.append(qs(entry));
        if (list.sorted) {
            std::sort(added.begin(), added.end(), [](const QString& a, const QString& b) {
                return a.compare(b, Qt::CaseInsensitive) < 0;
            });
        }
        EXPECT_EQ(itemsOf(controlAs<QComboBox>(dialog, list.control)), added);
    }
    // The 41st Type of Site entry is empty and can be picked.
    auto* site = controlAs<QComboBox>(dialog, ControlId::SiteTypeCombo);
    ASSERT_EQ(site->count(), 41);
    site->setCurrentIndex(40);
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile().category, "");
}

TEST_F(MainDialog, TypedTextStaysAsTypedAndNeverJoinsTheList) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // Texts that differ from an entry only in case, or are in no list.
    const std::pair<ControlId, QString> typed[] = {{ControlId::SiteTypeCombo, "Html Support"},
                                                   {ControlId::BackgroundColourCombo, "red"},
                                                   {ControlId::TargetCategoryCombo, "Government"},
                                                   {ControlId::ActiveLinkColourCombo, "Mauve"}};
    for (const auto& [id, text] : typed) {
        auto* combo = controlAs<QComboBox>(dialog, id);
        const int count = combo->count();
        typeInto(combo, text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        dialog.control(ControlId::NameEdit)->setFocus();  // leaving the box ends the edit
        EXPECT_EQ(combo->currentText(), text);
        EXPECT_EQ(combo->count(), count);
    }
}

TEST_F(MainDialog, ScreenReadersHearEachFieldByItsLabel) {
    std::set<QString> names;
    for (const ProfileField& field : kProfileFields) {
        QWidget* widget = dialog.control(field.control);
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(widget);
        const QString label = qs(field.label);
        names.insert(label);
        // The bridge reads an editable box's name as its text; the words
        // travel in the description and on the edit field instead.
        auto* combo = qobject_cast<QComboBox*>(widget);
        const auto name = combo ? QAccessible::queryAccessibleInterface(combo->lineEdit())
                                : access;
        EXPECT_EQ(name->text(QAccessible::Name), label) << field.key;
        if (combo) {
            EXPECT_EQ(access->text(QAccessible::Description), label) << field.key;
        }
        // The text beside the field is announced as its label.
        const auto labels = access->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << field.key;
        EXPECT_TRUE(qobject_cast<QLabel*>(labels.first().first->object())) << field.key;
    }
    EXPECT_EQ(names.size(), kProfileFields.size()) << "accessible names must be distinct";
}

TEST_F(MainDialog, FieldsHoldAnyTextWholeAndInClear) {
    // Longer than Qt's default limit of 32767 characters, with bytes that
    // need care on the way to and from the record.
    const QString awkward = QString(40000, 'x') + QStringLiteral(" & = + % # \u00E9\n");
    for (const ProfileField& field : kProfileFields) {
        setControlText(dialog, field.control, qs(field.key) + awkward);
    }
    dialog.copyControlsToProfile();
    for (const ProfileField& field : kProfileFields) {
        // Compared whole but not printed whole.
        EXPECT_TRUE(dialog.siteProfile().*field.member == (qs(field.key) + awkward).toStdString())
            << field.key;
    }
    EXPECT_EQ(controlAs<QLineEdit>(dialog, ControlId::PasswordEdit)->echoMode(), QLineEdit::Normal);
}

TEST_F(MainDialog, EnterKeepsTheDialogWhileEscapeCancelAndTheCloseBoxEndIt) {
    QSignalSpy finished(&dialog, &QDialog::finished);
    const auto closedBy = [&](const auto& action) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        typeInto(dialog.control(ControlId::SiteUrlEdit), "typed");
        action();
        return finished.count() == 1 && finished.takeFirst().at(0) == QDialog::Rejected;
    };
    const auto enterIn = [&](QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    };
    EXPECT_FALSE(closedBy([&] { enterIn(dialog.control(ControlId::SiteUrlEdit)); }));
    EXPECT_FALSE(closedBy(
        [&] { enterIn(controlAs<QComboBox>(dialog, ControlId::SiteTypeCombo)->lineEdit()); }));
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile().site_URL, "typed");

    QWidget* cancel = dialog.control(ControlId::CancelButton);
    EXPECT_TRUE(closedBy(
        [&] { QTest::keyClick(dialog.control(ControlId::SiteUrlEdit), Qt::Key_Escape); }));
    EXPECT_TRUE(closedBy([&] { QTest::mouseClick(cancel, Qt::LeftButton); }));
    EXPECT_TRUE(closedBy([&] { dialog.close(); }));
    EXPECT_TRUE(closedBy([&] {  // a focused button takes Enter as usual
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    }));
    EXPECT_TRUE(prompts.messages.empty()) << "no question before closing";
}

TEST(ProfileFolder, IsMadeUnderTheStartDirectoryAndAFailureIsSilent) {
    const QString previous = QDir::currentPath();
    QTemporaryDir start;
    QTemporaryDir blocked;
    ASSERT_TRUE(start.isValid() && blocked.isValid());
    QFile blocker(blocked.filePath("Profiles"));  // a file where the folder would go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordingPrompts prompts;

    QDir::setCurrent(start.path());
    CMainDialog first(prompts, "127.0.0.1:9");
    QDir::setCurrent(blocked.path());
    CMainDialog second(prompts, "127.0.0.1:9");
    QDir::setCurrent(previous);

    EXPECT_EQ(first.profileFolder(), QDir(start.path()).canonicalPath() + "/Profiles");
    EXPECT_TRUE(QDir(first.profileFolder()).exists());
    EXPECT_EQ(second.profileFolder(), QDir(blocked.path()).canonicalPath() + "/Profiles");
    EXPECT_FALSE(QDir(second.profileFolder()).exists());
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace tavimor
