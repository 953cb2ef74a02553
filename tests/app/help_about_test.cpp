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


// Runs `step` from the event loop as soon as `ready` holds, for use while a
// modal loop (a menu, a dialog) blocks the test. Gives up after five seconds
// so a window that never appears fails the test instead of hanging it, and
// stops waiting when `owner` goes, so no step outlives the test it serves.
void whenReady(QObject* owner, std::function<bool()> ready, std::function<void()> step,
               int triesLeft = 500) {
    QTimer::singleShot(10, owner, [=] {
        if (ready()) {
            step();
        } else if (triesLeft > 0) {
            whenReady(owner, ready, step, triesLeft - 1);
        } else {
            ADD_FAILURE() << "the awaited window never appeared";
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
    });
}

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

class HelpFromDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QList<HelpWindow*> helpWindows() const { return dialog.findChildren<HelpWindow*>(); }

    void pressF1() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1); }

    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

// Help is asked for on every page in turn, by button and by F1 alike; the
// one help window follows, each time showing the section that names the page,
// and closes when the dialog ends.
TEST_F(HelpFromDialog, OpensOnceAtEachPagesSectionAndClosesWithTheDialog) {
    for (int page = 0; page < kTabPageCount; ++page) {
        chooseTab(dialog, page);
        const bool byButton = page % 2 == 0;
        if (byButton) {
            QTest::mouseClick(dialog.control(ControlId::HelpButton), Qt::LeftButton);
        } else {
            // Back in the dialog (Help left the help window in front), in a
            // field of the page where it has one.
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            for (ControlId id : kTabPages[page].controls) {
                QWidget* field = dialog.control(id);
                if (field->focusPolicy() & Qt::TabFocus) {
                    field->setFocus();
                    break;
                }
            }
            pressF1();
        }
        SCOPED_TRACE(std::string(kTabPages[page].label) + (byButton ? " by button" : " by F1"));
        ASSERT_EQ(helpWindows().size(), 1);
        HelpWindow* help = helpWindows().first();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        EXPECT_EQ(firstVisibleHeading(help->browser()), qs(kTabPages[page].label));
    }

    dialog.activateWindow();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(helpWindows().first()->isVisible());
}

// The dialog runs modally, which blocks every other window of the
// application; the help window must stay usable beside it. A click on a link
// leads to the section it names, inside the window.
TEST_F(HelpFromDialog, LinksLeadToTheirSectionsWhileTheDialogIsModal) {
    dialog.hide();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    pressF1();
    ASSERT_EQ(helpWindows().size(), 1);
    HelpWindow* help = helpWindows().first();
    QTextBrowser* browser = help->browser();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    ASSERT_EQ(firstVisibleHeading(browser), QStringLiteral("Welcome"));

    // The contents list leads to the profiles section.
    QTextCursor link;
    for (QTextBlock block = browser->document()->begin(); block.isValid() && link.isNull();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorHref() == QStringLiteral("#profiles")) {
                link = QTextCursor(browser->document());
                link.setPosition(it.fragment().position() + 1);
                break;
            }
        }
    }
    ASSERT_FALSE(link.isNull()) << "no link to #profiles in the help";
    browser->setTextCursor(link);
    browser->ensureCursorVisible();
    const QPoint linkAt = browser->cursorRect(link).center();
    ASSERT_TRUE(browser->viewport()->rect().contains(linkAt)) << "the link is out of sight";

    // Through the help window's own window, as the window system delivers a
    // click: Qt's modal blocking applies on that road only.
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                      browser->viewport()->mapTo(help, linkAt));
    EXPECT_EQ(firstVisibleHeading(browser), QStringLiteral("Saving and loading profiles"));
    EXPECT_EQ(help->currentSection(), QStringLiteral("profiles"));
    EXPECT_EQ(browser->document()->toPlainText().left(12), QStringLiteral("Tavimor Help"))
        << "the link replaced the document";
}

enum class CloseBy { Escape, OkButton };

class AboutFromContextMenu : public ::testing::TestWithParam<CloseBy> {};

// Right-clicking the Welcome text (which has no menu of its own) opens the
// dialog's context menu; its entry opens the About box, which closes on
// Escape or OK and leaves the main dialog open.
TEST_P(AboutFromContextMenu, OpensTheAboutBoxWhichCloses) {
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    QStringList menuEntries;
    QString caption;
    QStringList texts;
    bool okIsDefault = false;
    bool iconDrawn = false;
    bool closed = false;
    const auto openMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    const auto openAbout = [] {
        return qobject_cast<CAboutDialog*>(QApplication::activeModalWidget());
    };
    QObject waiting;  // declared last, so it goes first
    whenReady(&waiting, [&] { return openMenu() != nullptr; }, [&] {
        QMenu* menu = openMenu();
        for (QAction* action : menu->actions()) menuEntries << action->text();
        if (menu->actions().isEmpty()) {
            menu->close();
            return;
        }
        const QRect entry = menu->actionGeometry(menu->actions().first());
        QTest::mouseClick(menu, Qt::LeftButton, {}, entry.center());
    });
    whenReady(&waiting, [&] { return openAbout() != nullptr; }, [&] {
        CAboutDialog* about = openAbout();
        caption = about->windowTitle();
        for (QLabel* label : about->findChildren<QLabel*>()) texts << label->text();
        auto* ok = about->findChild<QPushButton*>(controlObjectName(ControlId::OkButton));
        okIsDefault = ok && ok->isDefault();
        auto* icon = about->findChild<PictureControl*>();
        iconDrawn = icon && icon->hasPicture() && icon->isVisible();
        if (GetParam() == CloseBy::Escape) {
            QTest::keyClick(about, Qt::Key_Escape);
        } else if (ok) {
            QTest::mouseClick(ok, Qt::LeftButton);
        }
        closed = !about->isVisible();
    });

    QWidget* welcomeText = dialog.control(ControlId::WelcomeText);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, welcomeText->rect().center(),
                                 welcomeText->mapToGlobal(welcomeText->rect().center()));
    QApplication::sendEvent(welcomeText, &rightClick);

    EXPECT_EQ(menuEntries, QStringList{QStringLiteral("&About Tavimor...")});
    EXPECT_EQ(caption, QStringLiteral("About Tavimor"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Tavimor Version 1.0")))
        << texts.join('|').toStdString();
    EXPECT_TRUE(okIsDefault);
    EXPECT_TRUE(iconDrawn);
    EXPECT_TRUE(closed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Closing, AboutFromContextMenu,
                         ::testing::Values(CloseBy::Escape, CloseBy::OkButton),
                         [](const auto& info) {
                             return info.param == CloseBy::Escape ? "Escape" : "OkButton";
                         });

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
