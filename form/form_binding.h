#pragma once

#include <QString>

#include <unordered_map>
#include <vector>

#include "profile/site_profile.h"
#include "res/resource_ids.h"

class QDialog;
class QLineEdit;
class QWidget;

namespace tavimor {

// The 25 fields of the form bound to the controls that show them, by the
// table of res/form_fields.h, and `SiteProfile`: the values as last copied
// from the controls (Submit, Save) or read from a file (Load, a restored
// copy). The record is filled only by copying, all 25 fields at once.
class FormBinding {
public:
    // `controls` are the dialog's, by id; they outlive this.
    explicit FormBinding(std::unordered_map<ControlId, QWidget*> controls);

    // Builds the main dialog's controls (template 102) on `dialog` and binds
    // them.
    static FormBinding buildOn(QDialog* dialog);

    QWidget* control(ControlId id) const;

    // Where the text of the field `id` is typed: the line edit itself, or an
    // editable combo box's own.
    QLineEdit* editLine(ControlId id) const;

    // The edit lines of the 25 fields, in the record's order.
    std::vector<QLineEdit*> fieldLines() const;

    // Every field shows the text it starts with.
    void showStartTexts();

    // Screen readers name each field by its label.
    void nameFieldsForScreenReaders();

    const SiteProfile& profile() const { return profile_; }

    // The record with the texts the controls show now: a field whose
    // control still shows what was loaded into it keeps the loaded bytes,
    // any other holds the shown text as UTF-8.
    SiteProfile shown() const;

    // The record takes what the controls show (see shown()).
    void copyControlsToProfile();

    // The record becomes `profile`, and every control shows its field.
    void replaceProfile(SiteProfile profile);

private:
    std::unordered_map<ControlId, QWidget*> controls_;
    SiteProfile profile_;
};

}  // namespace tavimor
