#include "form/colour_swatches.h"

#include <QColor>
#include <QComboBox>
#include <QItemDelegate>
#include <QPainter>

#include "dialog_engine/text.h"
#include "submit/colour_codes.h"

namespace tavimor {
namespace {

// The list's entries as an editable combo box draws them, with a frame round
// each swatch in the colour of the entry's text: a swatch of the list's own
// colour (white on a light list, black on a dark one) still shows as a
// square, and the frame is as plain to see as the words beside it.
class SwatchDelegate final : public QItemDelegate {
public:
    using QItemDelegate::QItemDelegate;

protected:
    void drawDecoration(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                        const QPixmap& pixmap) const override {
        QItemDelegate::drawDecoration(painter, option, rect, pixmap);
        if (pixmap.isNull()) return;  // an entry without a colour
        const QPalette::ColorRole role =
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        const QPalette::ColorGroup group =
            option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        painter->save();
        painter->setPen(option.palette.color(group, role));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

}  // namespace

void addColourSwatches(QComboBox& box, const ColourTranslation& translation) {
    // A colour, not an icon, as the entry's decoration: the list draws it as
    // a square before the text, while the closed box shows no icon, so the
    // edit field neither moves nor keeps a picked entry's square under a
    // name typed over it.
    for (int i = 0; i < box.count(); ++i) {
        const std::string colour = translation.code(bytesFromText(box.itemText(i)));
        box.setItemData(i, QColor(textFromBytes(colour)), Qt::DecorationRole);
    }
    box.setItemDelegate(new SwatchDelegate(&box));
}

}  // namespace tavimor
