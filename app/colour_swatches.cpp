#include "app/colour_swatches.h"

#include <QColor>
#include <QComboBox>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

#include "app/form_text.h"

namespace tavimor {
namespace {

// Draws its square only when a list is first shown and asks for it, at
// whatever size and pixel ratio the list wants, so the 123 entries cost
// nothing at start-up.
class SwatchIconEngine final : public QIconEngine {
public:
    explicit SwatchIconEngine(QColor colour) : colour_(colour) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
               QIcon::State /*state*/) override {
        // A square three quarters of the space, framed in mid grey so that
        // white shows on a light list and black on a dark one.
        const int side = std::max(4, std::min(rect.width(), rect.height()) * 3 / 4);
        const QRect square(rect.center() - QPoint(side / 2, side / 2), QSize(side, side));
        painter->fillRect(square, QColor(0x80, 0x80, 0x80));
        painter->fillRect(square.adjusted(1, 1, -1, -1), colour_);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SwatchIconEngine(colour_); }

private:
    QColor colour_;
};

}  // namespace

void addColourSwatches(QComboBox& box, std::string (*code)(std::string_view text)) {
    for (int i = 0; i < box.count(); ++i) {
        const QColor colour(QString::fromStdString(code(bytesFromText(box.itemText(i)))));
        box.setItemIcon(i, QIcon(new SwatchIconEngine(colour)));
    }
}

}  // namespace tavimor
