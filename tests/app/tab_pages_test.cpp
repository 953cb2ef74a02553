#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <map>

#include "qt_test_support.h"
#include "res/dialog_templates.h"

namespace tavimor {
namespace {

using namespace testing_support;

constexpr ControlId kNext = ControlId::NextButton;
const std::set<ControlId> kOnNoPage = {ControlId::CancelButton, ControlId::HelpButton,
                                       ControlId::TabControl,   ControlId::SaveButton,
                                       ControlId::LoadButton,   ControlId::SubmitButton,
                                       kNext};

TEST(PageTable, EveryControlOfTheFormStandsOnExactlyOnePage) {
    std::map<ControlId, int> pageOf;
    for (int page = 0; page < kTabPageCount; ++page) {
        for (ControlId id : kTabPages[page].controls) {
            EXPECT_TRUE(pageOf.emplace(id, page).second) << static_cast<int>(id) << " is on two pages";
        }
    }
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        EXPECT_NE(pageOf.count(control.id), kOnNoPage.count(control.id))
            << static_cast<int>(control.id);
    }
}

class TabPages : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    bool nextShown() const { return dialog.control(kNext)->isVisibleTo(&dialog); }
    void pressNext() { QTest::mouseClick(dialog.control(kNext), Qt::LeftButton); }

    // Exactly `page` shows, its tab is highlighted, and the page-less
    // controls all stand (Next >> aside, which is checked on its own).
    void expectOnPage(int page) {
        EXPECT_EQ(dialog.tabBar()->currentIndex(), page);
        EXPECT_EQ(visiblePageControls(dialog), pageControls(page)) << "on page " << page;
        for (ControlId id : kOnNoPage) {
            EXPECT_TRUE(id == kNext || dialog.control(id)->isVisibleTo(&dialog))
                << static_cast<int>(id);
        }
    }

    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

TEST_F(TabPages, NextWalksThroughEveryPageAndHidesItselfOnTheLast) {
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
}

TEST_F(TabPages, ChoosingATabByMouseOrKeyboardShowsExactlyItsPageAndNextWhereDue) {
    pressNext();
    chooseTab(dialog, 4);
    expectOnPage(4);
    dialog.tabBar()->setFocus();
    QTest::keyClick(dialog.tabBar(), Qt::Key_Right);
    expectOnPage(5);
    QTest::keyClick(dialog.tabBar(), Qt::Key_Left);
    QTest::keyClick(dialog.tabBar(), Qt::Key_Left);
    expectOnPage(3);
    pressNext();  // tab 3 then Next: where four Nexts from the start end
    expectOnPage(4);
    chooseTab(dialog, kLastTabPage);  // Next shows exactly where a next page is
    EXPECT_FALSE(nextShown());
    chooseTab(dialog, 0);
    expectOnPage(0);
    EXPECT_TRUE(nextShown());
}

TEST_F(TabPages, FocusStartsOnCancelAndTabFollowsTheTemplateOnTheShownPage) {
    QWidget* cancel = dialog.control(ControlId::CancelButton);
    EXPECT_EQ(QApplication::focusWidget(), cancel);
    chooseTab(dialog, 2);
    cancel->setFocus();
    using enum ControlId;
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
