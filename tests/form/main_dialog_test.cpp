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

#include <algorithm>
#include <set>
#include <string>

#include "dialog_engine/template_layout.h"
#include "profile/profile_fields.h"
#include "pseudo_translator.h"
#include "qt_test_support.h"
#include "res/combo_lists.h"
#include "res/dialog_templates.h"
#include "res/form_fields.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

class MainDialog : public ::testing::Test {
protected:
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
};

// Captions beside their fields end at the field; the rest read from the
// left. (That each shows whole, under every style, is checked below.)
TEST_F(MainDialog, AlignsCaptionsAsLaidOut) {
    const auto alignment = [&](ControlId id) { return controlAs<QLabel>(dialog, id)->alignment(); };
    EXPECT_EQ(alignment(NameLabel), Qt::AlignRight | Qt::AlignTop);
    EXPECT_EQ(alignment(KeywordLabel), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(alignment(LogoImageText), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(dialog.windowTitle(), "Tavimor 1.1");
}

// The dialog fits a screen of 1280 by 800 unless told it need not; every
// control lies inside it, each caption whole, each field at least as tall
// as its style wants it and every other control at least as large; every
// tab holds its label, within the bar and above the pages; and controls of
// a page that stood apart in the template stand apart on screen.
void expectWhole(const CMainDialog& dialog, bool fitsTheScreen = true) {
    if (fitsTheScreen) {
        EXPECT_TRUE(dialog.width() <= 1280 && dialog.height() <= 800)
            << dialog.width() << "x" << dialog.height();
    }
    for (const DialogControl& item : kMainDialogTemplate.controls) {
        const QWidget* widget = control(dialog, item.id);
        const QSize least = widget->minimumSizeHint();
        EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << int(item.id);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;  // as the label draws it
            const QRect words = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | wrap, label->text());
            EXPECT_TRUE(label->contentsRect().contains(words))
                << "cut off: " << label->text().toStdString();
        } else if (item.kind == ControlKind::Edit || item.kind == ControlKind::ComboBox) {
            EXPECT_GE(widget->height(), least.height()) << int(item.id);
        } else {
            EXPECT_EQ(widget->size().expandedTo(least), widget->size()) << int(item.id);
        }
    }
    const QTabBar* tabs = tabBarOf(dialog);
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
            const QRect shown = control(dialog, a.id)->geometry();
            EXPECT_LE(tabsBottom, shown.top()) << int(a.id);
            for (const DialogControl& b : kMainDialogTemplate.controls) {
                if (&a < &b && onPage.count(b.id) && !inTemplate(a).intersects(inTemplate(b))) {
                    EXPECT_FALSE(shown.intersects(control(dialog, b.id)->geometry()))
                        << int(a.id) << " and " << int(b.id);
                }
            }
        }
    }
}

// In the made-up language, every text the dialog shows stands between the
// language's marks: none was left untranslated, and none was pieced
// together from parts. (expectWhole shows that both marks are in sight.)
void expectEveryTextTranslated(const CMainDialog& dialog) {
    using testing_support::PseudoTranslator;
    const auto marked = [](const QString& text) {
        return text.startsWith(PseudoTranslator::kStart) && text.endsWith(PseudoTranslator::kEnd);
    };
    QStringList texts = {dialog.windowTitle()};
    for (const DialogControl& item : kMainDialogTemplate.controls) {
        const QWidget* widget = control(dialog, item.id);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) texts << button->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(widget)) texts << group->title();
    }
    for (int i = 0; i < tabBarOf(dialog)->count(); ++i) texts << tabBarOf(dialog)->tabText(i);
    // What a screen reader says of each field, and of the preview.
    for (const FormField& field : kFormFields)
        texts << control(dialog, field.control)->accessibleName();
    texts << control(dialog, ColourSchemePreview)->accessibleName();
    for (const QString& text : texts) EXPECT_TRUE(marked(text)) << text.toStdString();
}

// Under every style installed, light or dark, the dialog is whole, whether
// it was built under the style or the style changed while it was open, and
// in a made-up language whose texts are longer than English, every one of
// them translated; in German under Qt's own style and GNOME's it still
// fits the screen at the default font; and it grows with a larger font and
// stays whole.
TEST(EveryStyle, ShowsTheWholeDialog) {
    const QStringList styles = QStyleFactory::keys();
    ASSERT_TRUE(styles.contains("Adwaita") && styles.contains("Adwaita-Dark"))
        << "the adwaita-qt6 package is missing: run scripts/install-deps";
    const QString original = QApplication::style()->name();
    const QPalette originalPalette = QApplication::palette();
    RecordingPrompts prompts;
    CMainDialog restyled(prompts, testFolders(), "127.0.0.1:9");
    QTranslator german;
    ASSERT_TRUE(loadGerman(german));
    for (const QString& key : styles) {
        SCOPED_TRACE(key.toStdString());
        QApplication::setPalette(QApplication::setStyle(key)->standardPalette());
        QCoreApplication::sendPostedEvents();
        const CMainDialog built(prompts, testFolders(), "127.0.0.1:9");
        expectWhole(built);
        expectWhole(restyled);
        // GNOME's style leaves its text margins on line edits when another
        // style takes over, so fields restyled from it stay a little taller
        // than new ones; the widths agree.
        EXPECT_EQ(restyled.width(), built.width());

        if (key == "Fusion" || key == "Adwaita") {
            const SpokenLanguage speaking(german);
            expectWhole(CMainDialog(prompts, testFolders(), "127.0.0.1:9"));
        }
        testing_support::PseudoTranslator pseudo;
        const SpokenLanguage longer(pseudo);
        const CMainDialog translated(prompts, testFolders(), "127.0.0.1:9");
        expectWhole(translated, false);
        expectEveryTextTranslated(translated);
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

// Every box lists what the service knows, nothing more or less: the sorted
// colour boxes alphabetically, case aside; the others in the order filled.
// A box's size hints are worked out before its list is filled, which spares
// measuring every entry; the heights the layout takes from them are those Qt
// gives the filled box.
TEST_F(MainDialog, BoxesAreAsTallAsTheirFilledListsMakeThem) {
    for (const DialogControl& item : kMainDialogTemplate.controls) {
        auto* box = qobject_cast<QComboBox*>(control(dialog, item.id));
        if (!box) continue;
        const int least = box->minimumSizeHint().height();
        const int wanted = box->sizeHint().height();
        QEvent restyled(QEvent::StyleChange);  // has Qt measure the box again, entries and all
        QCoreApplication::sendEvent(box, &restyled);
        EXPECT_GT(box->count(), 0);
        EXPECT_EQ(box->minimumSizeHint().height(), least) << int(item.id);
        EXPECT_EQ(box->sizeHint().height(), wanted) << int(item.id);
    }
}

TEST_F(MainDialog, ShowsTheListsInDisplayOrderAndKeepsTypedTextAsTyped) {
    const std::set<ControlId> sortedBoxes = {LinkColourCombo, ActiveLinkColourCombo,
                                             ResultBarColourCombo, ResultBarTextColourCombo};
    const auto caseAside = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    };
    for (const ComboList& list : kComboLists) {
        SCOPED_TRACE(static_cast<int>(list.control));
        const auto* combo = controlAs<QComboBox>(dialog, list.control);
        QStringList shown, filled;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        for (std::string_view entry : list.entries) filled << qs(entry);
        const bool sorted = sortedBoxes.count(list.control);
        EXPECT_EQ(std::is_sorted(shown.begin(), shown.end(), caseAside), sorted);
        if (sorted) std::stable_sort(filled.begin(), filled.end(), caseAside);
        EXPECT_EQ(shown, filled);
    }
    // The 41st Type of Site entry is empty and can be picked.
    auto* site = controlAs<QComboBox>(dialog, SiteTypeCombo);
    ASSERT_EQ(site->count(), 41);
    site->setCurrentIndex(40);
    EXPECT_EQ(controlText(dialog, SiteTypeCombo), "");

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
        control(dialog, NameEdit)->setFocus();  // leaving the box ends the edit
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
    typeInto(control(dialog, SiteUrlEdit), "typed");
    for (QWidget* field : {editLine(dialog, SiteUrlEdit), editLine(dialog, SiteTypeCombo)}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(controlText(dialog, SiteUrlEdit), "typed");
    typeInto(control(dialog, SiteUrlEdit), "http://");  // as it started: nothing to ask
    control(dialog, CancelButton)->setFocus();
    QTest::keyClick(control(dialog, CancelButton), Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(prompts.questions.empty());
}

// A group box shows its etched frame on every side, and its title.
TEST_F(MainDialog, GroupsAreFramedOnEverySideUnderTheirTitle) {
    QWidget* frame = control(dialog, Link1Group);
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

}  // namespace
}  // namespace tavimor
