// The help window and the About box: reached the way a user reaches them
// (button, F1, right click), and checked by what ends up on the screen.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/shell_windows.h"
#include "dialog_engine/picture_control.h"
#include "dialog_engine/template_builder.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;

// The heading of the section the reader sees first: the first heading whose
// line lies in the visible part of the document.
QString firstVisibleHeading(const QTextBrowser* browser) {
    const int top = browser->verticalScrollBar()->value();
    const int bottom = top + browser->viewport()->height();
    QAbstractTextDocumentLayout* layout = browser->document()->documentLayout();
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        const QRectF rect = layout->blockBoundingRect(block);
        if (rect.bottom() > top && rect.top() < bottom) return block.text();
    }
    return {};
}

// Help is asked for on every page in turn, by button and by F1 alike, while
// the dialog is modal as the application runs it: the one help window
// follows, each time at the section that names the page; a link in it leads
// to its section inside the window; and it closes when the dialog ends.
TEST(HelpFromDialog, FollowsThePageAndItsLinksWhileTheDialogIsModal) {
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
    new ShellWindows(dialog);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const auto helpWindows = [&] { return dialog.findChildren<HelpWindow*>(); };
    for (int page = 0; page < kTabPageCount; ++page) {
        chooseTab(dialog, page);
        const bool byButton = page % 2 == 0;
        if (byButton) {
            QTest::mouseClick(control(dialog, ControlId::HelpButton), Qt::LeftButton);
        } else {
            // Back in the dialog, which Help left behind the help window.
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        }
        SCOPED_TRACE(std::string(kTabPages[page].label.source) +
                     (byButton ? " by button" : " by F1"));
        ASSERT_EQ(helpWindows().size(), 1);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(helpWindows().first()));
        EXPECT_EQ(firstVisibleHeading(helpWindows().first()->browser()),
                  tabBarOf(dialog)->tabText(page));
    }

    // The contents list leads to the profiles section. The click goes through
    // the help window's own window, as the window system delivers it: Qt's
    // modal blocking applies on that road only.
    HelpWindow* help = helpWindows().first();
    // Room for lines of comfortable length and a good part of a section.
    const QFontMetrics metrics(help->font());
    EXPECT_GE(help->width(), metrics.averageCharWidth() * 60);
    EXPECT_GE(help->height(), metrics.lineSpacing() * 25);
    QTextBrowser* browser = help->browser();
    QTextCursor link = browser->document()->find("Saving and loading profiles");
    ASSERT_EQ(link.charFormat().anchorHref(), "#profiles")
        << "no link to the profiles in the contents";
    link.setPosition(link.selectionStart() + 2);
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    const QPoint linkAt = browser->cursorRect(link).center();
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                      browser->viewport()->mapTo(help, linkAt));
    EXPECT_EQ(firstVisibleHeading(browser), QStringLiteral("Saving and loading profiles"));
    EXPECT_EQ(help->currentSection(), QStringLiteral("profiles"));
    EXPECT_TRUE(browser->document()->toPlainText().startsWith("Tavimor Help"))
        << "the link replaced the document";

    // Asked for again, a minimised help window comes back.
    help->showMinimized();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_FALSE(help->isMinimized());
    EXPECT_EQ(helpSectionForPage(kTabPageCount), "top") << "no page has the start of the help";

    dialog.activateWindow();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(help->isVisible());
}

// Right-clicking the Welcome text (which has no menu of its own) opens the
// dialog's context menu; its entry opens the About box, whose OK has the
// focus and closes it, leaving the main dialog open.
TEST(AboutFromContextMenu, OpensTheAboutBoxWhichOkCloses) {
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
    new ShellWindows(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QStringList menuEntries, texts;
    QString caption;
    bool okReady = false, iconDrawn = false, closed = false;
    QObject waiting;  // declared last, so it goes first
    whenShown<QMenu>(
        &waiting, [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
        [&](QMenu* menu) {
            for (QAction* action : menu->actions()) menuEntries << action->text();
            if (menu->actions().isEmpty()) return menu->close();
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions().first()).center());
            return true;
        });
    whenShown<CAboutDialog>(&waiting, modalOf<CAboutDialog>, [&](CAboutDialog* about) {
        caption = about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
        auto* icon = about->findChild<PictureControl*>();
        iconDrawn = icon && icon->hasPicture() && icon->isVisible();
        auto* ok = about->findChild<QPushButton*>(controlObjectName(ControlId::OkButton));
        if (!ok || !QTest::qWaitForWindowActive(about)) return about->close();
        okReady = ok->isDefault() && ok->hasFocus();
        QTest::mouseClick(ok, Qt::LeftButton);
        closed = !about->isVisible();
        return true;
    });

    QWidget* welcomeText = control(dialog, ControlId::WelcomeText);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, welcomeText->rect().center(),
                                 welcomeText->mapToGlobal(welcomeText->rect().center()));
    QApplication::sendEvent(welcomeText, &rightClick);

    EXPECT_EQ(menuEntries, QStringList({"&About Tavimor...", "&Registrations..."}));
    EXPECT_EQ(caption, QStringLiteral("About Tavimor"));
    EXPECT_EQ(texts, QStringList({"Tavimor Version 1.0", "Your own custom search engine"}));
    EXPECT_TRUE(okReady && iconDrawn && closed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace tavimor
