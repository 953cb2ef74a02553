#include "dialog_engine/picture_control.h"
#include "dialog_engine/text.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <utility>

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

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// A new document starts out stretched to whatever it is drawn into.
void loadKeepingProportions(QSvgRenderer& renderer, const QByteArray& svg) {
    renderer.load(svg);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
}

// `into` sized for `widget`'s pixels, transparent, when it is not already.
bool prepareCanvas(QPixmap& into, const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = (QSizeF(widget.size()) * ratio).toSize();
    if (into.size() == pixels && into.devicePixelRatio() == ratio) return false;
    into = QPixmap(pixels);
    into.setDevicePixelRatio(ratio);
    into.fill(Qt::transparent);
    return true;
}

void renderFitted(QSvgRenderer& renderer, QPainter& canvas, const QWidget& widget) {
    canvas.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&canvas, QRectF(QPointF(0, 0), QSizeF(widget.size())));
}

void drawOnce(QSvgRenderer& renderer, QPixmap& into, const QWidget& widget) {
    if (!prepareCanvas(into, widget)) return;
    QPainter canvas(&into);
    renderFitted(renderer, canvas, widget);
}

}  // namespace

QString pictureResourcePath(PictureId picture) {
    for (const auto& [id, path] : kPictureResources) {
        if (id == picture) return textFromBytes(path);
    }
    return {};
}

QIcon applicationIcon() { return QIcon(pictureResourcePath(PictureId::AppIcon)); }

QIcon warningIcon() {
    return QIcon::fromTheme(QStringLiteral("dialog-warning"),
                            QIcon(QStringLiteral(":/icons/warning.svg")));
}

PictureControl::PictureControl(PictureId picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setFocusPolicy(Qt::NoFocus);
}

bool PictureControl::hasPicture() {
    load();
    return renderer_.isValid();
}

// Read when first needed, so that the pictures of pages not yet shown cost
// nothing at start.
void PictureControl::load() {
    if (loaded_) return;
    loaded_ = true;
    source_ = readResource(pictureResourcePath(picture_));
    loadKeepingProportions(renderer_, source_);
    if (!renderer_.isValid()) {
        // Only a broken build gets here; the frame keeps the layout intact.
        qWarning("tavimor: picture %d could not be drawn from \"%s\"", static_cast<int>(picture_),
                 qPrintable(pictureResourcePath(picture_)));
    }
}

void PictureControl::setClassColours(ClassColours colours) {
    if (colours == colours_) return;
    const bool sameClasses = std::equal(
        colours.begin(), colours.end(), colours_.begin(), colours_.end(),
        [](const ClassColour& a, const ClassColour& b) { return a.className == b.className; });
    if (!sameClasses) parts_.clear();
    colours_ = std::move(colours);
    // Done when next painted: a colour box edited on another page costs
    // nothing until the picture is in view.
    recolourPending_ = true;
    drawn_ = QPixmap();
    update();
}

// The first time, the picture is split into the shapes below the recoloured
// ones, one part per class, and the shapes above; afterwards only a part
// whose colour changed is read and drawn again. The classes are drawn in the
// order given, the one the picture draws them in.
void PictureControl::recolour() {
    recolourPending_ = false;
    if (parts_.empty()) {
        markedSource_ = recolourSvg(source_, colours_, SvgPart::Marked);
        if (markedSource_.isEmpty()) return;  // not an SVG document: shown as it is
        parts_.push_back(std::make_unique<Part>());
        loadKeepingProportions(parts_.back()->renderer,
                               recolourSvg(source_, colours_, SvgPart::BelowMarked));
        for (const ClassColour& colour : colours_) {
            parts_.push_back(std::make_unique<Part>());
            parts_.back()->className = colour.className;
        }
        parts_.push_back(std::make_unique<Part>());
        loadKeepingProportions(parts_.back()->renderer,
                               recolourSvg(source_, colours_, SvgPart::AboveMarked));
    }
    for (const ClassColour& colour : colours_) {
        for (const std::unique_ptr<Part>& part : parts_) {
            if (part->className != colour.className || part->colour == colour.colour) continue;
            part->colour = colour.colour;
            loadKeepingProportions(part->renderer,
                                   recolourSvg(markedSource_, {colour}, SvgPart::Marked));
            part->drawn = QPixmap();
        }
    }
}

void PictureControl::draw() {
    if (!prepareCanvas(drawn_, *this)) return;
    QPainter canvas(&drawn_);
    if (parts_.empty()) {
        renderFitted(renderer_, canvas, *this);
        return;
    }
    for (const std::unique_ptr<Part>& part : parts_) {
        drawOnce(part->renderer, part->drawn, *this);
        canvas.drawPixmap(0, 0, part->drawn);
    }
}

// A picture in its own colours comes out the same wherever it is drawn at one
// size, so it is drawn once for every control that shows it so, in this
// dialog or any later one; one in colours of its own is drawn here.
void PictureControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QString drawnWhole = QStringLiteral("tavimor-picture-%1-%2x%3@%4-%5dpi")
                                   .arg(static_cast<int>(picture_))
                                   .arg(width())
                                   .arg(height())
                                   .arg(devicePixelRatioF())
                                   .arg(logicalDpiY());
    if (!recolourPending_ && parts_.empty() && QPixmapCache::find(drawnWhole, &drawn_)) {
        painter.drawPixmap(0, 0, drawn_);
        return;
    }
    load();
    if (recolourPending_) recolour();
    if (!renderer_.isValid()) {
        drawMissingPicture(this, painter);
        return;
    }
    draw();
    if (parts_.empty()) QPixmapCache::insert(drawnWhole, drawn_);
    painter.drawPixmap(0, 0, drawn_);
}

}  // namespace tavimor
