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

// Each picture the templates name, and where its drawing is compiled in.
constexpr std::array<std::pair<PictureId, const char*>, 4> kPictureResources = {{
    {PictureId::WelcomeMouse, ":/pictures/welcome-mouse.svg"},
    {PictureId::ResultsPage, ":/pictures/results-page.svg"},
    {PictureId::TitleBanner, ":/pictures/title-banner.svg"},
    {PictureId::AppIcon, ":/icons/tavimor.svg"},
}};

void drawMissingPicture(QWidget* widget, QPainter& painter) {
    QStyleOptionFrame frame;
    frame.initFrom(widget);
    frame.frameShape = QFrame::StyledPanel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = 1;
    widget->style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, widget);
}

}  // namespace

QString pictureResourcePath(PictureId picture) {
    registerResources();
    for (const auto& [id, path] : kPictureResources) {
        if (id == picture) return QString::fromLatin1(path);
    }
    return {};
}

QIcon applicationIcon() {
    QSvgRenderer renderer(pictureResourcePath(PictureId::AppIcon));
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

PictureControl::PictureControl(PictureId picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    const QString path = pictureResourcePath(picture);
    if (!path.isEmpty()) renderer_.load(path);
    if (!renderer_.isValid()) {
        // Only a broken build gets here; the frame keeps the layout intact.
        qWarning("tavimor: picture %d could not be drawn from \"%s\"", static_cast<int>(picture),
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
