// The help window, the About box and the pictures as the main dialog shows
// them: reached the way a user reaches them (button, F1, right click), and
// checked by what ends up on the screen.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "app/about_dialog.h"
#include "app/help_window.h"
#include "app/picture_control.h"
#include "app/template_builder.h"
#include "qt_test_support.h"
#include "res/dialog_templates.h"

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
    CMainDialog dialog{prompts, "127.0.0.1:9"};
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const auto helpWindows = [&] { return dialog.findChildren<HelpWindow*>(); };
    for (int page = 0; page < kTabPageCount; ++page) {
        chooseTab(dialog, page);
        const bool byButton = page % 2 == 0;
        if (byButton) {
            QTest::mouseClick(dialog.control(ControlId::HelpButton), Qt::LeftButton);
        } else {
            // Back in the dialog, which Help left behind the help window.
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        }
        SCOPED_TRACE(std::string(kTabPages[page].label) + (byButton ? " by button" : " by F1"));
        ASSERT_EQ(helpWindows().size(), 1);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(helpWindows().first()));
        EXPECT_EQ(firstVisibleHeading(helpWindows().first()->browser()), qs(kTabPages[page].label));
    }

    // The contents list leads to the profiles section. The click goes through
    // the help window's own window, as the window system delivers it: Qt's
    // modal blocking applies on that road only.
    HelpWindow* help = helpWindows().first();
    QTextBrowser* browser = help->browser();
    QTextCursor link;
    for (QTextBlock block = browser->document()->begin(); block.isValid() && link.isNull();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd() && link.isNull(); ++it) {
            if (it.fragment().charFormat().anchorHref() == QStringLiteral("#profiles")) {
                link = QTextCursor(browser->document());
                link.setPosition(it.fragment().position() + 1);
            }
        }
    }
    ASSERT_FALSE(link.isNull()) << "no link to #profiles in the help";
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    const QPoint linkAt = browser->cursorRect(link).center();
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, browser->viewport()->mapTo(help, linkAt));
    EXPECT_EQ(firstVisibleHeading(browser), QStringLiteral("Saving and loading profiles"));
    EXPECT_EQ(help->currentSection(), QStringLiteral("profiles"));
    EXPECT_TRUE(browser->document()->toPlainText().startsWith("Tavimor Help")) << "the link replaced the document";

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
    CMainDialog dialog{prompts, "127.0.0.1:9"};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QStringList menuEntries, texts;
    QString caption;
    bool okReady = false, iconDrawn = false, closed = false;
    QObject waiting;  // declared last, so it goes first
    whenShown<QMenu>(&waiting, [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
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
        if (!ok) return about->close();
        okReady = ok->isDefault() && ok->hasFocus();
        QTest::mouseClick(ok, Qt::LeftButton);
        closed = !about->isVisible();
        return true;
    });

    QWidget* welcomeText = dialog.control(ControlId::WelcomeText);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, welcomeText->rect().center(),
                                 welcomeText->mapToGlobal(welcomeText->rect().center()));
    QApplication::sendEvent(welcomeText, &rightClick);

    EXPECT_EQ(menuEntries, QStringList{QStringLiteral("&About Tavimor...")});
    EXPECT_EQ(caption, QStringLiteral("About Tavimor"));
    EXPECT_EQ(texts, QStringList({"Tavimor Version 1.0", "Your own custom search engine"}));
    EXPECT_TRUE(okReady && iconDrawn && closed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialog.isVisible());
}

// Which picture each picture control of the templates shows, named here by
// file rather than looked up the way the dialog looks them up.
struct PictureInDialog {
    const DialogTemplate* dialogTemplate;
    PictureId picture;
    const char* source;
};

void PrintTo(const PictureInDialog& picture, std::ostream* out) {
    *out << picture.source << " in template " << picture.dialogTemplate->id;
}

const PictureInDialog kPicturesInDialogs[] = {
    {&kMainDialogTemplate, PictureId::WelcomeMouse, ":/pictures/welcome-mouse.svg"},
    {&kMainDialogTemplate, PictureId::TitleBanner, ":/pictures/title-banner.svg"},
    {&kMainDialogTemplate, PictureId::ResultsPage, ":/pictures/results-page.svg"},
    {&kAboutDialogTemplate, PictureId::AppIcon, ":/icons/tavimor.svg"},
};

// The share of pixels whose colour differs by more than a rounding step.
double differingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1.0;
    long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                std::abs(qBlue(p) - qBlue(q)) > 2) {
                ++differing;
            }
        }
    }
    return double(differing) / double(long(a.width()) * a.height());
}

class PictureControls : public ::testing::TestWithParam<PictureInDialog> {};

// Each control shows its own picture, whole and undistorted, as large as the
// control allows: what is on the screen matches the source drawn into the
// control's rectangle with its proportions kept, over the window's colour.
TEST_P(PictureControls, ShowTheirPictureFittedToTheControl) {
    const PictureInDialog& expected = GetParam();
    RecordingPrompts prompts;
    CMainDialog mainDialog{prompts, "127.0.0.1:9"};
    CAboutDialog about;
    QWidget* dialog = expected.dialogTemplate == &kAboutDialogTemplate
                          ? static_cast<QWidget*>(&about)
                          : static_cast<QWidget*>(&mainDialog);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));

    PictureControl* shown = nullptr;
    for (PictureControl* control : dialog->findChildren<PictureControl*>()) {
        if (control->picture() == expected.picture) shown = control;
    }
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->hasPicture());

    QSvgRenderer source(QString::fromLatin1(expected.source));
    ASSERT_TRUE(source.isValid());
    QImage reference(shown->size(), QImage::Format_ARGB32_Premultiplied);
    reference.fill(shown->palette().color(shown->backgroundRole()));
    QSizeF fitted = QSizeF(source.defaultSize()).scaled(QSizeF(shown->size()), Qt::KeepAspectRatio);
    QPainter painter(&reference);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    source.render(&painter, QRectF(QPointF((shown->width() - fitted.width()) / 2,
                                           (shown->height() - fitted.height()) / 2),
                                   fitted));
    painter.end();

    const QImage onScreen = shown->grab().toImage().convertToFormat(reference.format());
    EXPECT_LE(differingShare(onScreen, reference), 0.005);
}

INSTANTIATE_TEST_SUITE_P(Templates, PictureControls, ::testing::ValuesIn(kPicturesInDialogs));

}  // namespace
}  // namespace tavimor
