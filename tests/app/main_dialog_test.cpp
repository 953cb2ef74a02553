#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/template_layout.h"
#include "profile/profile_fields.h"
#include "qt_test_support.h"
#include "res/combo_lists.h"
#include "res/dialog_templates.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

class MainDialog : public ::testing::Test {
protected:
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, "127.0.0.1:9"};
};

// What the user reads: every caption of the form, in template order, as its
// control shows it. (That each shows whole, under every style, is checked
// below.)
TEST_F(MainDialog, ShowsEveryCaptionExactly) {
    // clang-format off
    const QStringList kCaptions = {
        "Cancel", "&Help", "Name", "Email", "Site Name", "URL", "Password (for future modifications)",
        "Please provide the URL of the image you want to use as your logo.  The required dimensions "
        "are 175 pixels wide by 60 pixels high.  The image should reside on your server and the path "
        "to  the image needs to be exact. ",
        "(i.e. http://www.yoursite.com/images/logo.gif)",
        "Please provide the URL that you want people to go to if they click on your logo.",
        "(i.e. http://www.yoursite.com/index.html)", "IMAGE", "URL", "Background Color",
        "Link Text Color", "Visited Link Text Color", "Active Link Text Color",
        "Search Result Bar Color", "Search Result Bar Text Color", "LINK 2", "Title", "Url",
        "LINK 3", "Title", "Url", "LINK 4", "Title", "Url", "LINK 1", "Title", "Url",
        "Target your Customized Tavimor.  You can target your search engine by picking a category "
        "from the list or by typing a keyword that you want your search to always include.",
        "Keyword", "Type of Site", "Country Code (2 digit code)", "Save", "Load", "Submit",
        "Would you like your own custom branded search engine? Tavimor allows you to create a custom "
        "branded, fully functional search engine (complete with content) for your site in minutes. "
        "This program is equipped with an easy to navigate interface.",
        "In order to create your custom search engine, you need to fill all the fields in the various "
        "tabs and then click on the \"Submit\" button. HTML code will be generated that you will "
        "receive via email. Just paste that code on your site and VIOLA, you're done!!",
        "Next >>"};
    // clang-format on
    QStringList shown;
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        QWidget* widget = dialog.control(control.id);
        if (auto* label = qobject_cast<QLabel*>(widget)) shown << label->text();
        if (auto* button = qobject_cast<QPushButton*>(widget)) shown << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget)) shown << group->title();
    }
    EXPECT_EQ(shown, kCaptions);
    // Captions beside their fields end at the field; the rest read from the left.
    const auto alignment = [&](ControlId id) { return controlAs<QLabel>(dialog, id)->alignment(); };
    EXPECT_EQ(alignment(NameLabel), Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(alignment(KeywordLabel), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(alignment(LogoImageText), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(dialog.windowTitle(), "Tavimor 1.1");
    QStringList tabs;
    for (int i = 0; i < dialog.tabBar()->count(); ++i) tabs << dialog.tabBar()->tabText(i);
    EXPECT_EQ(tabs, QStringList({"Welcome", "Screen Shot", "Contact Info", "Your Logo",
                                 "Color Scheme", "Favorite Links", "Target Search"}));
}

// The dialog fits the screen; every control lies inside it, each caption
// whole, each field at least as tall as its style wants it and every other
// control at least as large; every tab holds its label, within the bar and
// above the pages; and controls of a page that stood apart in the template
// stand apart on screen.
void expectWhole(const CMainDialog& dialog) {
    EXPECT_TRUE(dialog.width() <= 1280 && dialog.height() <= 800);
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        const QWidget* widget = dialog.control(control.id);
        const QSize least = widget->minimumSizeHint();
        EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << int(control.id);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;  // as the label draws it
            const QRect words = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | wrap, label->text());
            EXPECT_TRUE(label->contentsRect().contains(words))
                << "cut off: " << label->text().toStdString();
        } else if (control.kind == ControlKind::Edit || control.kind == ControlKind::ComboBox) {
            EXPECT_GE(widget->height(), least.height()) << int(control.id);
        } else {
            EXPECT_EQ(widget->size().expandedTo(least), widget->size()) << int(control.id);
        }
    }
    const QTabBar* tabs = dialog.tabBar();
    const int padding = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
    for (int i = 0; i < tabs->count(); ++i) {
        const int label = tabs->fontMetrics().horizontalAdvance(tabs->tabText(i));
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(i))) << tabs->tabText(i).toStdString();
        EXPECT_GE(tabs->tabRect(i).width(), label + padding) << tabs->tabText(i).toStdString();
    }
    const int tabsBottom = tabs->mapTo(&dialog, QPoint(0, tabs->height())).y();
    const auto inTemplate = [](const DialogControl& c) {
        const DluRect r = closedRect(c);
        return QRect(r.x, r.y, r.w, r.h);
    };
    for (int page = 0; page < kTabPageCount; ++page) {
        const std::set<ControlId> onPage = pageControls(page);
        for (const DialogControl& a : kMainDialogTemplate.controls) {
            if (!onPage.count(a.id)) continue;
            const QRect shown = dialog.control(a.id)->geometry();
            EXPECT_LE(tabsBottom, shown.top()) << int(a.id);
            for (const DialogControl& b : kMainDialogTemplate.controls) {
                if (&a < &b && onPage.count(b.id) && !inTemplate(a).intersects(inTemplate(b))) {
                    EXPECT_FALSE(shown.intersects(dialog.control(b.id)->geometry()))
                        << int(a.id) << " and " << int(b.id);
                }
            }
        }
    }
}

// Under every style installed, light or dark, the dialog is whole, whether
// it was built under the style or the style changed while it was open; and
// it grows with a larger font and stays whole.
TEST(EveryStyle, ShowsTheWholeDialog) {
    const QStringList styles = QStyleFactory::keys();
    ASSERT_TRUE(styles.contains("Adwaita") && styles.contains("Adwaita-Dark"))
        << "the adwaita-qt6 package is missing: run scripts/install-deps";
    const QString original = QApplication::style()->name();
    const QPalette originalPalette = QApplication::palette();
    RecordingPrompts prompts;
    CMainDialog restyled(prompts, "127.0.0.1:9");
    for (const QString& key : styles) {
        SCOPED_TRACE(key.toStdString());
        QApplication::setPalette(QApplication::setStyle(key)->standardPalette());
        QCoreApplication::sendPostedEvents();
        const CMainDialog built(prompts, "127.0.0.1:9");
        expectWhole(built);
        expectWhole(restyled);
        // GNOME's style leaves its text margins on line edits when another
        // style takes over, so fields restyled from it stay a little taller
        // than new ones; the widths agree.
        EXPECT_EQ(restyled.width(), built.width());
    }
    const QSize before = restyled.size();
    QFont larger = restyled.font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);  // text scaled to 150%
    restyled.setFont(larger);
    QCoreApplication::sendPostedEvents();
    expectWhole(restyled);
    EXPECT_TRUE(restyled.width() > before.width() && restyled.height() > before.height());
    QApplication::setStyle(original);
    QApplication::setPalette(originalPalette);
}

// A box's size hints are worked out before its list is filled, which spares
// measuring every entry; the heights the layout takes from them are those Qt
// gives the filled box.
TEST_F(MainDialog, BoxesAreAsTallAsTheirFilledListsMakeThem) {
    for (const DialogControl& control : kMainDialogTemplate.controls) {
        auto* box = qobject_cast<QComboBox*>(dialog.control(control.id));
        if (!box) continue;
        const int least = box->minimumSizeHint().height();
        const int wanted = box->sizeHint().height();
        QEvent restyled(QEvent::StyleChange);  // has Qt measure the box again, entries and all
        QCoreApplication::sendEvent(box, &restyled);
        EXPECT_GT(box->count(), 0);
        EXPECT_EQ(box->minimumSizeHint().height(), least) << int(control.id);
        EXPECT_EQ(box->sizeHint().height(), wanted) << int(control.id);
    }
}

// The sorted colour boxes show their lists alphabetically, case aside; the
// others in the order they were filled.
TEST_F(MainDialog, ShowsTheListsInDisplayOrderAndKeepsTypedTextAsTyped) {
    // clang-format off
    const QStringList sorted = {"Aqua", "Black", "Blue", "Chocolate", "Gold", "Gray", "Green",
                                "Khaki", "Light Steel Blue", "Light Wood", "Mandarin Orange",
                                "Maroon", "Midnight Blue", "Navy", "Purple", "Red", "Silver",
                                "Steel Blue", "Teal", "Wheat", "White", "Yellow"};
    // clang-format on
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

    // Typed text that differs from an entry only in case, or is in no list,
    // stays as typed and never joins the list.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
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

// Enter in a field keeps the dialog and what was typed; a focused button
// takes Enter as a click. (Every way out is the close guard's test.)
TEST_F(MainDialog, EnterInAFieldKeepsTheDialogAndOnAButtonClicksIt) {
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    typeInto(dialog.control(SiteUrlEdit), "typed");
    for (QWidget* field : {editLine(dialog, SiteUrlEdit), editLine(dialog, SiteTypeCombo)}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(controlText(dialog, SiteUrlEdit), "typed");
    typeInto(dialog.control(SiteUrlEdit), "http://");  // as it started: nothing to ask
    dialog.control(CancelButton)->setFocus();
    QTest::keyClick(dialog.control(CancelButton), Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(prompts.questions.empty());
}

// A group box shows its etched frame on every side, and its title.
TEST_F(MainDialog, GroupsAreFramedOnEverySideUnderTheirTitle) {
    QWidget* frame = dialog.control(Link1Group);
    const QImage group = frame->grab().toImage();
    const QRgb paper = group.pixel(group.rect().center());
    const auto inked = [&](const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (group.pixel(x, y) != paper) return true;
            }
        }
        return false;
    };
    const int w = group.width(), h = group.height();
    EXPECT_TRUE(inked({0, h / 2, 2, 1}) && inked({w - 2, h / 2, 2, 1}));  // the sides
    EXPECT_TRUE(inked({w / 2, h - 2, 1, 2}));                             // the bottom
    // The etched line's outer light edge closes the right side as it does the
    // bottom, and its dark one is the left side's: nothing runs off the box.
    EXPECT_EQ(group.pixel(w - 1, h / 2), group.pixel(w / 2, h - 1));
    EXPECT_EQ(group.pixel(w - 2, h / 2), group.pixel(0, h / 2));
    // Above the top edge, which runs through the title's middle: the title.
    const int topEdge = frame->fontMetrics().height() / 2;
    EXPECT_TRUE(inked({2, 0, w / 4, topEdge - 1}));
    // The top edge breaks just before the title and runs on after it.
    EXPECT_EQ(group.pixel(frame->fontMetrics().averageCharWidth() - 1, topEdge), paper);
    EXPECT_NE(group.pixel(w - 3, topEdge), paper);
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

// The application names itself, with the build's version, and gives every
// window its icon.
TEST(Application, NamesItselfAndCarriesTheIcon) {
    EXPECT_EQ(QApplication::applicationName(), "Tavimor");
    EXPECT_EQ(QApplication::applicationVersion(), TAVIMOR_VERSION_UNDER_TEST);
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.tavimor.Tavimor");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

}  // namespace
}  // namespace tavimor
