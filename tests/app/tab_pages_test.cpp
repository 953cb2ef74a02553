#include <QApplication>
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

    bool nextShown() const { return dialog.control(NextButton)->isVisibleTo(&dialog); }
    void pressNext() { QTest::mouseClick(dialog.control(NextButton), Qt::LeftButton); }

    // Exactly `page` shows, its tab is highlighted, and the page-less
    // controls all stand (Next >> aside, which is checked on its own).
    void expectOnPage(int page) {
        EXPECT_EQ(dialog.tabBar()->currentIndex(), page);
        EXPECT_EQ(visiblePageControls(dialog), pageControls(page)) << "on page " << page;
        for (ControlId id : kOnNoPage) {
            EXPECT_TRUE(id == NextButton || dialog.control(id)->isVisibleTo(&dialog)) << int(id);
        }
    }

    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

// Which fields each page shows, by what a screen reader calls them, each one
// taking a click (no frame or text lies over it), and every other control
// of the form on exactly one page.
TEST_F(TabPages, EachPageShowsItsOwnFieldsAndEveryControlIsOnOnePage) {
    const QStringList kFields[kTabPageCount] = {
        {}, {},
        {"Name", "Email", "Site Name", "URL", "Password (for future modifications)", "Type of Site",
         "Country Code (2 digit code)"},
        {"Logo image URL", "Logo link URL"},
        {"Background Color", "Link Text Color", "Visited Link Text Color", "Active Link Text Color",
         "Search Result Bar Color", "Search Result Bar Text Color"},
        {"LINK 1 Title", "LINK 1 Url", "LINK 2 Title", "LINK 2 Url", "LINK 3 Title", "LINK 3 Url",
         "LINK 4 Title", "LINK 4 Url"},
        {"Target category", "Keyword"}};
    for (int page = 0; page < kTabPageCount; ++page) {
        chooseTab(dialog, page);
        QStringList shown;
        for (ControlId id : visiblePageControls(dialog)) {
            QWidget* field = dialog.control(id);
            if (!(field->focusPolicy() & Qt::TabFocus)) continue;
            shown << field->accessibleName();
            // Through the window, as the window system delivers a click.
            QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                              field->mapTo(&dialog, field->rect().center()));
            EXPECT_EQ(field, QApplication::focusWidget()) << int(id);
        }
        EXPECT_EQ(QSet<QString>(shown.begin(), shown.end()),
                  QSet<QString>(kFields[page].begin(), kFields[page].end()))
            << kTabPages[page].label;
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
    QSignalSpy tabSignals(dialog.tabBar(), &QTabBar::currentChanged);
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
    dialog.tabBar()->setFocus();
    QTest::keyClick(dialog.tabBar(), Qt::Key_Right);
    expectOnPage(5);
    QTest::keyClick(dialog.tabBar(), Qt::Key_Left);
    QTest::keyClick(dialog.tabBar(), Qt::Key_Left);
    expectOnPage(3);
    pressNext();  // tab 3 then Next: where four Nexts from the start end
    expectOnPage(4);
}

TEST_F(TabPages, FocusStartsOnCancelAndTabFollowsTheTemplateOnTheShownPage) {
    QWidget* cancel = dialog.control(CancelButton);
    EXPECT_EQ(QApplication::focusWidget(), cancel);
    chooseTab(dialog, 2);
    cancel->setFocus();
    const std::vector<ControlId> expected = {
        CancelButton, HelpButton,  TabControl,    NameEdit,   EmailEdit,  SiteNameEdit,
        SiteUrlEdit,  PasswordEdit, SiteTypeCombo, CountryEdit, SaveButton, LoadButton,
        SubmitButton, NextButton,  CancelButton};
    std::vector<ControlId> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        // The tab labels and a combo box's edit field stand for their control.
        QWidget* owner = focus == dialog.tabBar() || qobject_cast<QComboBox*>(focus->parentWidget())
                             ? focus->parentWidget()
                             : focus;
        ControlId id = None;
        for (const DialogControl& control : kMainDialogTemplate.controls) {
            if (dialog.control(control.id) == owner) id = control.id;
        }
        visited.push_back(id);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace tavimor
