#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include "app/group_frame.h"
#include "app/tab_control.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;

struct FontCase {
    const char* name;
    const char* family;   // empty: the application's default
    double pointSize;     // 0: the default size
};

// The dialog laid out in another font, as another desktop would have it.
class LayoutInFont : public ::testing::TestWithParam<FontCase> {
protected:
    void SetUp() override {
        QFont font = saved_;
        if (*GetParam().family) font.setFamily(GetParam().family);
        if (GetParam().pointSize > 0) font.setPointSizeF(GetParam().pointSize);
        QApplication::setFont(font);
    }
    void TearDown() override { QApplication::setFont(saved_); }

private:
    QFont saved_ = QApplication::font();
};

// Where a label's words are drawn, in dialog coordinates; for any other
// control, the whole of it.
QRect occupied(const QWidget* widget) {
    auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || label->text().isEmpty()) return widget->geometry();
    return label->fontMetrics()
        .boundingRect(label->contentsRect(),
                      static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text())
        .translated(label->pos());
}

TEST_P(LayoutInFont, EveryCaptionIsWholeAndClearOfOtherControls) {
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, "127.0.0.1:9");
    for (int page = 0; page < kTabPageCount; ++page) {
        std::vector<QWidget*> shown;
        for (ControlId id : pageControls(page)) shown.push_back(dialog.control(id));
        for (ControlId id : {ControlId::CancelButton, ControlId::HelpButton, ControlId::SaveButton,
                             ControlId::LoadButton, ControlId::SubmitButton, ControlId::NextButton}) {
            shown.push_back(dialog.control(id));
        }

        for (QWidget* widget : shown) {
            const std::string where = "page " + std::to_string(page) + ", control " +
                                      widget->objectName().toStdString();
            EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << where;
            if (!qobject_cast<QLabel*>(widget)) continue;
            EXPECT_TRUE(widget->geometry().contains(occupied(widget))) << where << " is cut off";
            for (QWidget* other : shown) {
                if (other == widget || qobject_cast<GroupFrame*>(other)) continue;
                EXPECT_FALSE(occupied(widget).intersects(occupied(other)))
                    << where << " runs into " << other->objectName().toStdString();
            }
        }
    }
    // All seven tab labels are in view at once, without scroll arrows.
    const QTabBar* tabs = dialog.tabBar();
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_GT(tabs->tabRect(i).width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)));
    }
    EXPECT_LE(tabs->tabRect(kLastTabPage).right(), tabs->width());
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutInFont,
                         ::testing::Values(FontCase{"Default", "", 0}, FontCase{"Large", "", 16},
                                           FontCase{"Small", "", 7},
                                           FontCase{"Serif", "DejaVu Serif", 0},
                                           FontCase{"Monospace", "DejaVu Sans Mono", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavimor
