#include "app/tab_control.h"

#include <QEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

namespace tavimor {
namespace {

// A tab bar that keeps every label in view: when the style's roomy padding
// would push labels off the end, the room there is gets shared out instead,
// rather than hiding some tabs behind scroll arrows.
class CompactTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        const QSize natural = QTabBar::tabSizeHint(index);
        int naturalTotal = 0;
        int textTotal = 0;
        for (int i = 0; i < count(); ++i) {
            naturalTotal += QTabBar::tabSizeHint(i).width();
            textTotal += fontMetrics().horizontalAdvance(tabText(i));
        }
        if (naturalTotal <= width() || naturalTotal <= textTotal) return natural;

        constexpr int kLeastPadding = 6;
        const int text = fontMetrics().horizontalAdvance(tabText(index));
        const int padding = natural.width() - text;
        const int room = std::max(0, width() - textTotal);
        const int squeezed = std::max(kLeastPadding, padding * room / (naturalTotal - textTotal));
        return QSize(text + squeezed, natural.height());
    }
};

}  // namespace

TabControl::TabControl(QWidget* parent) : QWidget(parent), tabBar_(new CompactTabBar(this)) {
    // Tabs keep their own width at the top left instead of stretching over
    // the whole row; the pane's frame, drawn here, serves as their base line.
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);
    tabBar_->setElideMode(Qt::ElideNone);
    tabBar_->setUsesScrollButtons(true);
}

QRect TabControl::paneRect() const {
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, tabBar_);
    const int top = tabBar_->height() - overlap;
    return QRect(0, top, width(), height() - top);
}

int TabControl::addTab(const QString& label) {
    const int index = tabBar_->addTab(label);
    placeTabBar();
    return index;
}

void TabControl::placeTabBar() {
    tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
    update();
}

bool TabControl::event(QEvent* event) {
    // The tab bar asks for a new size when its labels or font change.
    if (event->type() == QEvent::LayoutRequest) placeTabBar();
    return QWidget::event(event);
}

void TabControl::resizeEvent(QResizeEvent* event) {
    placeTabBar();
    QWidget::resizeEvent(event);
}

void TabControl::paintEvent(QPaintEvent* /*event*/) {
    // The tab bar, a child, paints after this, so the chosen tab is drawn
    // over the pane's top edge and joins it, as a tab widget's page does.
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = paneRect();
    frame.shape = tabBar_->shape();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int last = tabBar_->count() - 1;
    frame.tabBarSize = QSize(last >= 0 ? tabBar_->tabRect(last).right() + 1 : 0, tabBar_->height());
    frame.tabBarRect = QRect(QPoint(0, 0), frame.tabBarSize);
    if (tabBar_->currentIndex() >= 0)
        frame.selectedTabRect = tabBar_->tabRect(tabBar_->currentIndex());
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

}  // namespace tavimor
