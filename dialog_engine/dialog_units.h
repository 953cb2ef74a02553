#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include "res/dialog_templates.h"

namespace tavimor {

// Converts dialog units to pixels for one font. A vertical unit is an eighth
// of the font's height and a horizontal unit a quarter of its average
// character width, so a layout drawn in these units grows and shrinks with
// the font and stays in proportion on any screen. Pixels are Qt's
// device-independent ones; high-density screens scale them further on their
// own.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The units of `font`, widened where needed so that every text of
    // `dialogTemplate`, in the language it is shown in, fits its control
    // whole. Templates were drawn against a narrower face than the common
    // free fonts, and for English; widening the whole grid, rather than
    // single controls, keeps every control where it was relative to its
    // neighbours, so no caption can grow into another control.
    static DialogUnits fittedTo(const QFont& font, const DialogTemplate& dialogTemplate);

    // Enlarges the grid, never shrinking it, so that a rectangle of
    // `widthDlu` by `heightDlu` units covers at least `pixels` wherever on
    // the grid it lies. An axis whose units or pixels are not positive is
    // left as it is. Each axis grows as a whole, so the layout keeps its
    // proportions along it.
    void enlargeToHold(int widthDlu, int heightDlu, QSize pixels);

    int toX(int dlu) const;
    int toY(int dlu) const;
    QRect toPixels(const DluRect& rect) const;
    QSize toPixels(int width, int height) const;

private:
    double unitX_;
    double unitY_;
};

// Whether `text`, wrapped at word boundaries as a label wraps it, fits whole
// inside `size` when drawn in `font`.
bool textFits(const QFont& font, const QString& text, QSize size);

}  // namespace tavimor
