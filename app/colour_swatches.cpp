#include "app/colour_swatches.h"

#include <QColor>
#include <QComboBox>

#include "app/form_text.h"

namespace tavimor {

void addColourSwatches(QComboBox& box, std::string (*code)(std::string_view text)) {
    // A colour, not an icon, as the entry's decoration: the list draws it as
    // a square before the text, while the closed box shows no icon, so the
    // edit field neither moves nor keeps a picked entry's square under a
    // name typed over it.
    for (int i = 0; i < box.count(); ++i) {
        const std::string colour = code(bytesFromText(box.itemText(i)));
        box.setItemData(i, QColor(QString::fromLatin1(colour.data(), qsizetype(colour.size()))),
                        Qt::DecorationRole);
    }
}

}  // namespace tavimor
