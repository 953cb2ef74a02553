#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <map>

#include "qt_test_support.h"
#include "res/dialog_templates.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

const std::set<ControlId> kOnNoPage = {CancelButton, HelpButton,   TabControl, SaveButton,
                                       LoadButton,   SubmitButton, NextButton};

class TabPages : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    bool nextShown() const { return control(dialog, NextButton)->isVisibleTo(&dialog); }
    void pressNext() { QTest::mouseClick(control(dialog, NextButton), Qt::LeftButton); }

    // Exactly `page` shows, its tab is highlighted, and the page-less
    // controls all stand (Next >> aside, which is checked on its own).
    void expectOnPage(int page) {
        EXPECT_EQ(tabBarOf(dialog)->currentIndex(), page);
        EXPECT_EQ(visiblePageControls(dialog), pageControls(page)) << "on page " << page;
        for (ControlId id : kOnNoPage) {
            EXPECT_TRUE(id == NextButton || control(dialog, id)->isVisibleTo(&dialog)) << int(id);
        }
    }

    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
};

// Which fields each page shows, in the order Tab visits them (the template's,
// between the buttons and tabs before them and those after), by what a
// screen reader calls them (an editable box's own name is its text, so the
// words travel on its edit field and in its description), each with its
// label and each taking a click (no frame or text lies over it); and every
// other control on exactly one page.
TEST_F(TabPages, EachPageShowsItsOwnFieldsInTabOrderAndEveryControlIsOnOnePage) {
    // clang-format off
    const QStringList kFields[kTabPageCount] = {
        {}, {},
        {"Name", "Email", "Site Name", "URL", "Password (for future modifications)", "Type of Site",
         "Country Code (2 digit code)"},
        {"Logo image URL", "Logo link URL"},
        {"Background Color", "Link Text Color", "Visited Link Text Color", "Active Link Text Color",
         "Search Result Bar Color", "Search Result Bar Text Color"},
        {"LINK 2 Title", "LINK 2 Url", "LINK 3 Title", "LINK 3 Url", "LINK 4 Title", "LINK 4 Url",
         "LINK 1 Title", "LINK 1 Url"},
        {"Target category", "Keyword"}};
    // clang-format on
    QWidget* cancel = control(dialog, CancelButton);
    EXPECT_EQ(QApplication::focusWidget(), cancel);
    for (int page = 0; page < kTabPageCount; ++page) {
        chooseTab(dialog, page);
        cancel->setFocus();
        QStringList visited;
        do {
            QWidget* focus = QApplication::focusWidget();
            if (auto* button = qobject_cast<QPushButton*>(focus)) {
                visited << button->text();
            } else if (focus == tabBarOf(dialog)) {
                visited << "tabs";
            } else {
                auto* combo = qobject_cast<QComboBox*>(focus);
                QWidget* edit = combo ? combo->lineEdit() : focus;
                QAccessibleInterface* access = QAccessible::queryAccessibleInterface(focus);
                visited << QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name);
                if (combo) {
                    EXPECT_EQ(access->text(QAccessible::Description), visited.back());
                }
                EXPECT_EQ(access->relations(QAccessible::Label).size(), 1)
                    << visited.back().toStdString();
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        } while (QApplication::focusWidget() != cancel && visited.size() < 30);
        EXPECT_EQ(visited, QStringList({"Cancel", "&Help", "tabs"}) + kFields[page] +
                               QStringList({"Save", "Load", "Submit"}) +
                               (page < kLastTabPage ? QStringList{"Next >>"} : QStringList{}));
        for (ControlId id : visiblePageControls(dialog)) {
            QWidget* field = control(dialog, id);
            if (!(field->focusPolicy() & Qt::TabFocus)) continue;
            // Through the window, as the window system delivers a click.
            QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                              field->mapTo(&dialog, field->rect().center()));
            EXPECT_EQ(field, QApplication::focusWidget()) << int(id);
        }
    }
    std::map<ControlId, int> pageOf;
    for (int page = 0; page < kTabPageCount; ++page) {
        for (ControlId id : kTabPages[page].controls) {
            EXPECT_TRUE(pageOf.emplace(id, page).second) << int(id) << " is on two pages";
        }
    }
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        EXPECT_NE(pageOf.count(control.id), kOnNoPage.count(control.id)) << int(control.id);
    }
}

TEST_F(TabPages, NextWalksThroughEveryPageAndTabsShowExactlyTheirPage) {
    expectOnPage(0);
    EXPECT_TRUE(nextShown());
    QSignalSpy tabSignals(tabBarOf(dialog), &QTabBar::currentChanged);
    for (int page = 1; page < kTabPageCount; ++page) {
        pressNext();
        expectOnPage(page);
        EXPECT_EQ(nextShown(), page < kLastTabPage) << "on page " << page;
    }
    EXPECT_EQ(tabSignals.count(), 0) << "Next also switched pages through the tab handler";
    dialog.OnNext();  // nothing left to step to
    expectOnPage(kLastTabPage);

    chooseTab(dialog, 4);  // by mouse and by keyboard
    expectOnPage(4);
    EXPECT_TRUE(nextShown());
    tabBarOf(dialog)->setFocus();
    QTest::keyClick(tabBarOf(dialog), Qt::Key_Right);
    expectOnPage(5);
    QTest::keyClick(tabBarOf(dialog), Qt::Key_Left);
    QTest::keyClick(tabBarOf(dialog), Qt::Key_Left);
    expectOnPage(3);
    pressNext();  // tab 3 then Next: where four Nexts from the start end
    expectOnPage(4);
}

}  // namespace
}  // namespace tavimor
