#include "dialog_engine/tab_control.h"

#include <QEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace tavimor {

TabControl::TabControl(QWidget* parent) : QWidget(parent), tabBar_(new QTabBar(this)) {
    // Tabs keep their own width at the top left instead of stretching over
    // the whole row; the pane's frame, drawn here, serves as their base line.
    // The dialog's grid is widened until every tab fits at the size the
    // style gives it, so labels are never cut short; should a font be too
    // large for the screen even so, scroll arrows keep every tab reachable.
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
    emit tabsChanged();
    return index;
}

void TabControl::setTabMark(int index, const QIcon& mark, const QString& toolTip) {
    const bool widthChanges = tabBar_->tabIcon(index).isNull() != mark.isNull();
    tabBar_->setTabIcon(index, mark);
    tabBar_->setTabToolTip(index, toolTip);
    if (widthChanges) emit tabsChanged();
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
    // The raster engine hands every fill of 96 spans or more to the thread
    // pool in parts and waits for them. The frame's long edges, a span a row,
    // are such fills: some forty hand-overs for one frame, each waiting for a
    // pool thread to get a processor, on a busy machine longer than the
    // drawing itself. In bands of 46 rows, where two edges make 92 spans, it
    // is all filled here, pixel for pixel the same.
    constexpr int kRowsPerBand = 46;
    for (int top = 0; top < height(); top += kRowsPerBand) {
        painter.setClipRect(0, top, width(), kRowsPerBand);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
}

}  // namespace tavimor
