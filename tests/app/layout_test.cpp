#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

#include <vector>

#include "app/group_frame.h"
#include "app/main_dialog.h"
#include "app/tab_control.h"
#include "app/tab_pages.h"
#include "app_test_support.h"

namespace tavimor {
namespace {

using testing_support::RecordingPrompts;

// The controls that stand on every page.
const std::vector<int> kOnEveryPage = {2, 57670, 1072, 1073, 1074, 1087};

struct FontCase {
    const char* name;
    const char* family;   // empty: the application's default
    double pointSize;     // 0: the default size
};

void PrintTo(const FontCase& font, std::ostream* out) { *out << font.name; }

// Lays the dialog out in another font, as a different desktop would.
class LayoutInFont : public ::testing::TestWithParam<FontCase> {
protected:
    void SetUp() override {
        saved_ = QApplication::font();
        QFont font = saved_;
        if (*GetParam().family) font.setFamily(GetParam().family);
        if (GetParam().pointSize > 0) font.setPointSizeF(GetParam().pointSize);
        QApplication::setFont(font);
    }
    void TearDown() override { QApplication::setFont(saved_); }

private:
    QFont saved_;
};

// Where a label's words are drawn, in dialog coordinates.
QRect textArea(const QLabel* label) {
    const QRect area = label->fontMetrics().boundingRect(
        label->contentsRect(), static_cast<int>(label->alignment()) | Qt::TextWordWrap,
        label->text());
    return area.translated(label->pos());
}

bool isFrame(const QWidget* widget) {
    return qobject_cast<const GroupFrame*>(widget) || qobject_cast<const TabControl*>(widget);
}

TEST_P(LayoutInFont, EveryCaptionIsWholeAndClearOfOtherControls) {
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, "127.0.0.1:9");
    const QRect client = dialog.rect();

    for (int page = 0; page < kTabPageCount; ++page) {
        std::vector<QWidget*> shown;
        for (int id : kTabPages[page].controlIds) shown.push_back(dialog.control(id));
        for (int id : kOnEveryPage) shown.push_back(dialog.control(id));

        for (QWidget* widget : shown) {
            const std::string where =
                "page " + std::to_string(page) + ", control " + widget->objectName().toStdString();
            EXPECT_TRUE(client.contains(widget->geometry())) << where;

            if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
                const QRect words = textArea(label);
                EXPECT_TRUE(label->geometry().contains(words)) << where << " is cut off";
                for (QWidget* other : shown) {
                    if (other == widget || isFrame(other)) continue;
                    // Two texts may share space as long as their words do not.
                    auto* otherLabel = qobject_cast<QLabel*>(other);
                    const QRect taken = otherLabel && !otherLabel->text().isEmpty()
                                            ? textArea(otherLabel)
                                            : other->geometry();
                    EXPECT_FALSE(words.intersects(taken))
                        << where << " runs into " << other->objectName().toStdString();
                }
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                const QString text = button->text().remove('&');
                EXPECT_LT(button->fontMetrics().horizontalAdvance(text), button->width() - 8)
                    << where;
            } else if (auto* group = qobject_cast<GroupFrame*>(widget)) {
                EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()) +
                              2 * group->fontMetrics().averageCharWidth(),
                          group->width())
                    << where;
            }
        }
    }

    // All seven tab labels are in view at once, without scroll arrows.
    const QTabBar* tabs = dialog.tabBar();
    ASSERT_EQ(tabs->count(), kTabPageCount);
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_GE(tabs->tabRect(i).width(),
                  tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
            << "tab " << i;
    }
    EXPECT_LE(tabs->tabRect(tabs->count() - 1).right(), tabs->width());
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, LayoutInFont,
    ::testing::Values(FontCase{"Default", "", 0}, FontCase{"Large", "", 16},
                      FontCase{"Small", "", 7}, FontCase{"Serif", "DejaVu Serif", 0},
                      FontCase{"Monospace", "DejaVu Sans Mono", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LayoutScale, TheDialogGrowsWithItsFont) {
    RecordingPrompts prompts;
    const QFont saved = QApplication::font();
    const QSize normal = CMainDialog(prompts, "127.0.0.1:9").size();

    QFont doubled = saved;
    doubled.setPointSizeF(saved.pointSizeF() * 2);
    QApplication::setFont(doubled);
    const QSize large = CMainDialog(prompts, "127.0.0.1:9").size();
    QApplication::setFont(saved);

    EXPECT_NEAR(double(large.width()) / normal.width(), 2.0, 0.25);
    EXPECT_NEAR(double(large.height()) / normal.height(), 2.0, 0.25);
}

}  // namespace
}  // namespace tavimor
