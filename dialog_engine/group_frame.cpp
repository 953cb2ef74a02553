#include "dialog_engine/group_frame.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QRegion>
#include <QStyle>

namespace tavimor {

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;

    // The title stands over a gap in the top edge, one character in.
    const int gap = metrics.horizontalAdvance(QLatin1Char(' ')) / 2 + 1;
    const int titleLeft = metrics.averageCharWidth();
    const int titleWidth = metrics.horizontalAdvance(title());
    const QRect titleRect(titleLeft, 0, titleWidth, metrics.height());

    const QRect frame = rect().adjusted(0, lineY, 0, 0);
    if (!title().isEmpty()) {
        painter.setClipRegion(QRegion(rect()) - QRegion(titleRect.adjusted(-gap, 0, gap, 0)));
    }
    qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
    painter.setClipping(false);

    style()->drawItemText(&painter, titleRect,
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

}  // namespace tavimor
