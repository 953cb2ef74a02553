#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "profile/profile_fields.h"
#include "profile_samples.h"
#include "qt_test_support.h"
#include "res/combo_lists.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

class MainDialog : public ::testing::Test {
protected:
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

// What the user reads: every caption of the form as its control shows it.
TEST_F(MainDialog, ShowsEveryCaptionExactly) {
    const std::pair<ControlId, const char*> kCaptions[] = {
        {CancelButton, "Cancel"}, {HelpButton, "&Help"}, {SaveButton, "Save"},
        {LoadButton, "Load"}, {SubmitButton, "Submit"}, {NextButton, "Next >>"},
        {NameLabel, "Name"}, {EmailLabel, "Email"}, {SiteNameLabel, "Site Name"},
        {SiteUrlLabel, "URL"}, {PasswordLabel, "Password (for future modifications)"},
        {SiteTypeLabel, "Type of Site"}, {CountryLabel, "Country Code (2 digit code)"},
        {LogoImageGroup, "IMAGE"}, {LogoLinkGroup, "URL"},
        {LogoImageExample, "(i.e. http://www.yoursite.com/images/logo.gif)"},
        {LogoLinkExample, "(i.e. http://www.yoursite.com/index.html)"},
        {LogoLinkText, "Please provide the URL that you want people to go to if they click on your logo."},
        {BackgroundColourLabel, "Background Color"}, {LinkColourLabel, "Link Text Color"},
        {VisitedLinkColourLabel, "Visited Link Text Color"},
        {ActiveLinkColourLabel, "Active Link Text Color"},
        {ResultBarColourLabel, "Search Result Bar Color"},
        {ResultBarTextColourLabel, "Search Result Bar Text Color"},
        {Link1Group, "LINK 1"}, {Link2Group, "LINK 2"}, {Link3Group, "LINK 3"}, {Link4Group, "LINK 4"},
        {Link1TitleLabel, "Title"}, {Link2TitleLabel, "Title"}, {Link3TitleLabel, "Title"},
        {Link4TitleLabel, "Title"}, {Link1UrlLabel, "Url"}, {Link2UrlLabel, "Url"},
        {Link3UrlLabel, "Url"}, {Link4UrlLabel, "Url"}, {KeywordLabel, "Keyword"},
        {LogoImageText,
         "Please provide the URL of the image you want to use as your logo.  The required dimensions "
         "are 175 pixels wide by 60 pixels high.  The image should reside on your server and the path "
         "to  the image needs to be exact. "},
        {TargetText,
         "Target your Customized Tavimor.  You can target your search engine by picking a category "
         "from the list or by typing a keyword that you want your search to always include."},
        {WelcomeText,
         "Would you like your own custom branded search engine? Tavimor allows you to create a custom "
         "branded, fully functional search engine (complete with content) for your site in minutes. "
         "This program is equipped with an easy to navigate interface."},
        {InstructionsText,
         "In order to create your custom search engine, you need to fill all the fields in the various "
         "tabs and then click on the \"Submit\" button. HTML code will be generated that you will "
         "receive via email. Just paste that code on your site and VIOLA, you're done!!"},
    };
    for (const auto& [id, caption] : kCaptions) {
        QWidget* control = dialog.control(id);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
        if (auto* button = qobject_cast<QPushButton*>(control)) shown = button->text();
        if (auto* group = qobject_cast<QGroupBox*>(control)) shown = group->title();
        EXPECT_EQ(shown, qs(caption)) << "control " << static_cast<int>(id);
    }
    EXPECT_EQ(dialog.windowTitle(), "Tavimor 1.1");
    QStringList tabs;
    for (int i = 0; i < dialog.tabBar()->count(); ++i) tabs << dialog.tabBar()->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Welcome", "Screen Shot", "Contact Info", "Your Logo",
                                 "Color Scheme", "Favorite Links", "Target Search"}));
}

// A fresh form holds the start texts, and the sorted colour boxes show their
// lists alphabetically, case aside; the others in the order they were filled.
TEST_F(MainDialog, StartsWithTheStartTextsAndTheListsInDisplayOrder) {
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile(), startProfile());
    const QStringList sorted = {"Aqua", "Black", "Blue", "Chocolate", "Gold", "Gray", "Green",
                                "Khaki", "Light Steel Blue", "Light Wood", "Mandarin Orange",
                                "Maroon", "Midnight Blue", "Navy", "Purple", "Red", "Silver",
                                "Steel Blue", "Teal", "Wheat", "White", "Yellow"};
    const std::set<ControlId> sortedBoxes = {LinkColourCombo, ActiveLinkColourCombo,
                                             ResultBarColourCombo, ResultBarTextColourCombo};
    for (const ComboList& list : kComboLists) {
        const auto* combo = controlAs<QComboBox>(dialog, list.control);
        QStringList shown, filled;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        for (std::string_view entry : list.entries) filled << qs(entry);
        EXPECT_EQ(shown, sortedBoxes.count(list.control) ? sorted : filled)
            << static_cast<int>(list.control);
    }
    // The 41st Type of Site entry is empty and can be picked.
    auto* site = controlAs<QComboBox>(dialog, SiteTypeCombo);
    ASSERT_EQ(site->count(), 41);
    site->setCurrentIndex(40);
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile().category, "");
}

TEST_F(MainDialog, TypedTextStaysAsTypedAndNeverJoinsTheList) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // Texts that differ from an entry only in case, or are in no list.
    const std::pair<ControlId, QString> typed[] = {{SiteTypeCombo, "Html Support"},
                                                   {BackgroundColourCombo, "red"},
                                                   {TargetCategoryCombo, "Government"},
                                                   {ActiveLinkColourCombo, "Mauve"}};
    for (const auto& [id, text] : typed) {
        auto* combo = controlAs<QComboBox>(dialog, id);
        const int count = combo->count();
        typeInto(combo, text);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        dialog.control(NameEdit)->setFocus();  // leaving the box ends the edit
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
        const auto name = combo ? QAccessible::queryAccessibleInterface(combo->lineEdit()) : access;
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
    EXPECT_EQ(controlAs<QLineEdit>(dialog, PasswordEdit)->echoMode(), QLineEdit::Normal);
}

TEST_F(MainDialog, EnterKeepsTheDialogWhileEscapeCancelAndTheCloseBoxEndIt) {
    QSignalSpy finished(&dialog, &QDialog::finished);
    const auto closedBy = [&](const auto& action) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        typeInto(dialog.control(SiteUrlEdit), "typed");
        action();
        return finished.count() == 1 && finished.takeFirst().at(0) == QDialog::Rejected;
    };
    const auto enterIn = [&](QWidget* field) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    };
    EXPECT_FALSE(closedBy([&] { enterIn(dialog.control(SiteUrlEdit)); }));
    EXPECT_FALSE(closedBy([&] { enterIn(controlAs<QComboBox>(dialog, SiteTypeCombo)->lineEdit()); }));
    dialog.copyControlsToProfile();
    EXPECT_EQ(dialog.siteProfile().site_URL, "typed");

    QWidget* cancel = dialog.control(CancelButton);
    EXPECT_TRUE(closedBy([&] { QTest::keyClick(dialog.control(SiteUrlEdit), Qt::Key_Escape); }));
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

// The application names itself, with the build's version, and every window
// carries its icon.
TEST(Application, NamesItselfAndCarriesTheIcon) {
    EXPECT_EQ(QApplication::applicationName(), "Tavimor");
    EXPECT_EQ(QApplication::applicationVersion(), TAVIMOR_VERSION_UNDER_TEST);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.tavimor.Tavimor");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, "127.0.0.1:9");
    EXPECT_FALSE(dialog.windowIcon().isNull());
}

}  // namespace
}  // namespace tavimor
