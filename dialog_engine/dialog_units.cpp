#include "dialog_engine/dialog_units.h"
#include "dialog_engine/translated_text.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <cmath>

namespace tavimor {
namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The narrowest width from `atLeast` up at which `text` wraps into no more
// than `height` pixels, or 0 when even a single line is too tall.
int narrowestFit(const QFont& font, const QString& text, int height, int atLeast) {
    if (textFits(font, text, QSize(atLeast, height))) return atLeast;
    const QFontMetrics metrics(font);
    int low = atLeast + 1;
    int high = std::max(low, metrics.horizontalAdvance(text) + 1);
    if (!textFits(font, text, QSize(high, height))) return 0;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (textFits(font, text, QSize(middle, height))) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return high;
}

}  // namespace

bool textFits(const QFont& font, const QString& text, QSize size) {
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(QPoint(0, 0), QSize(size.width(), 1 << 20)), kTextFlags, text);
    return needed.width() <= size.width() && needed.height() <= size.height();
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average over both alphabets, rounded to the nearest pixel: the
    // measure dialog layouts have always been drawn against.
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int averageWidth = std::max(1, (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2);
    unitX_ = averageWidth / 4.0;
    // The height a line of text takes once laid out, which with fractional
    // metrics can be a pixel more than the font's nominal height; a text
    // control one line high then shows its line whole.
    const int lineHeight =
        metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), kTextFlags, QStringLiteral("Xg"))
            .height();
    unitY_ = std::max({1, metrics.height(), lineHeight}) / 8.0;
}

DialogUnits DialogUnits::fittedTo(const QFont& font, const DialogTemplate& dialogTemplate) {
    DialogUnits units(font);
    const DialogUnits plain = units;
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.kind != ControlKind::Text || control.rect.w <= 0) continue;
        // Measured as the label shows it: in the language the user reads.
        const QString caption = translated(control.caption);
        if (caption.isEmpty()) continue;
        // Captions that fit the grid as it stands so far cost one measurement.
        const int current = static_cast<int>(control.rect.w * units.unitX_) - 1;
        const int needed = narrowestFit(font, caption, plain.toY(control.rect.h), current);
        units.enlargeToHold(control.rect.w, 0, QSize(needed, 0));
    }
    return units;
}

void DialogUnits::enlargeToHold(int widthDlu, int heightDlu, QSize pixels) {
    // Each edge is rounded to the nearest pixel, so a span can come out up
    // to a pixel short of its exact length; one pixel spare absorbs that.
    if (widthDlu > 0 && pixels.width() > 0) {
        unitX_ = std::max(unitX_, (pixels.width() + 1.0) / widthDlu);
    }
    if (heightDlu > 0 && pixels.height() > 0) {
        unitY_ = std::max(unitY_, (pixels.height() + 1.0) / heightDlu);
    }
}

int DialogUnits::toX(int dlu) const { return static_cast<int>(std::lround(dlu * unitX_)); }

int DialogUnits::toY(int dlu) const { return static_cast<int>(std::lround(dlu * unitY_)); }

QRect DialogUnits::toPixels(const DluRect& rect) const {
    // Both edges are placed on the grid, so neighbouring controls keep their
    // gaps exactly as drawn.
    const int left = toX(rect.x);
    const int top = toY(rect.y);
    return QRect(left, top, toX(rect.x + rect.w) - left, toY(rect.y + rect.h) - top);
}

QSize DialogUnits::toPixels(int width, int height) const { return QSize(toX(width), toY(height)); }

}  // namespace tavimor
