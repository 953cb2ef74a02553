#include "form/form_changes.h"

#include <QLineEdit>

#include <utility>

namespace tavimor {

FormChanges::FormChanges(std::vector<QLineEdit*> fields, QObject* parent)
    : QObject(parent), fields_(std::move(fields)), differs_(fields_.size(), false) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        unchanged_.push_back(fields_[i]->text());
        // Typing, pasting, picking from a list and Load all change the text;
        // only the field that changed is compared, so a long text elsewhere
        // costs nothing per keystroke.
        connect(fields_[i], &QLineEdit::textChanged, this, [this, i] { fieldEdited(i); });
    }
}

void FormChanges::markUnchanged() {
    const bool wasChanged = isChanged();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        unchanged_[i] = fields_[i]->text();
        differs_[i] = false;
    }
    differing_ = 0;
    if (wasChanged) emit becameUnchanged();
}

void FormChanges::fieldEdited(std::size_t index) {
    const bool differs = fields_[index]->text() != unchanged_[index];
    if (differs != differs_[index]) {
        differs_[index] = differs;
        differing_ += differs ? 1 : -1;
        if (differing_ == 0) emit becameUnchanged();
    }
    if (isChanged()) emit edited();
}

}  // namespace tavimor
