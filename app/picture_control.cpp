#include "app/picture_control.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtGlobal>

#include <array>
#include <utility>

#include "app/app_resources.h"

namespace tavimor {
namespace {

constexpr std::array<std::pair<int, const char*>, 4> kPictureResources = {{
    {138, ":/pictures/bitmap138.svg"},
    {142, ":/pictures/bitmap142.svg"},
    {144, ":/pictures/bitmap144.svg"},
    {128, ":/icons/tavimor.svg"},
}};

constexpr int kApplicationIconId = 128;

void drawMissingPicture(QWidget* widget, QPainter& painter) {
    QStyleOptionFrame frame;
    frame.initFrom(widget);
    frame.frameShape = QFrame::StyledPanel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = 1;
    widget->style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, widget);
}

}  // namespace

QString pictureResourcePath(int resourceId) {
    registerResources();
    for (const auto& [id, path] : kPictureResources) {
        if (id == resourceId) return QString::fromLatin1(path);
    }
    return {};
}

QIcon applicationIcon() {
    QSvgRenderer renderer(pictureResourcePath(kApplicationIconId));
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

PictureControl::PictureControl(int resourceId, QWidget* parent)
    : QWidget(parent), resourceId_(resourceId) {
    const QString path = pictureResourcePath(resourceId);
    if (!path.isEmpty()) renderer_.load(path);
    if (!renderer_.isValid()) {
        // Only a broken build gets here; the frame keeps the layout intact.
        qWarning("tavimor: picture %d could not be drawn from \"%s\"", resourceId,
                 qPrintable(path));
    }
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!renderer_.isValid()) {
        drawMissingPicture(this, painter);
        return;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer_.render(&painter, QRectF(rect()));
}

}  // namespace tavimor
