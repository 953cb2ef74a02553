#include "form/colour_preview.h"

#include <QComboBox>

#include "dialog_engine/picture_control.h"
#include "dialog_engine/text.h"
#include "submit/colour_fields.h"

namespace tavimor {

void bindColourPreview(const std::vector<PictureControl*>& pictures,
                       const std::array<const QComboBox*, kColourRoles.size()>& boxes) {
    // Submit sends each field's shown text as UTF-8 (form_text), so the same
    // bytes go through the translation here.
    const auto refresh = [pictures, boxes] {
        ClassColours colours;
        colours.reserve(kColourRoles.size());
        for (std::size_t i = 0; i < kColourRoles.size(); ++i) {
            const std::string code =
                colourFieldOf(kColourRoles[i].field)
                    ->translation->code(bytesFromText(boxes[i]->currentText()));
            colours.push_back({textFromBytes(kColourRoles[i].pictureClass), textFromBytes(code)});
        }
        for (PictureControl* picture : pictures) picture->setClassColours(colours);
    };
    for (const QComboBox* box : boxes) {
        // Emitted for a pick from the list and for every edit of the text.
        QObject::connect(box, &QComboBox::currentTextChanged, pictures.front(), refresh);
    }
}

}  // namespace tavimor
