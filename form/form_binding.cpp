#include "form/form_binding.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include <utility>

#include "dialog_engine/template_builder.h"
#include "dialog_engine/text.h"
#include "dialog_engine/translated_text.h"
#include "profile/profile_fields.h"
#include "res/dialog_templates.h"
#include "res/form_fields.h"

namespace tavimor {
namespace {

QString controlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    return {};
}

void setControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // Only the edit field changes; the list and its order stay as filled.
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

}  // namespace

FormBinding::FormBinding(std::unordered_map<ControlId, QWidget*> controls)
    : controls_(std::move(controls)) {}

FormBinding FormBinding::buildOn(QDialog* dialog) {
    const std::vector<QWidget*> widgets = buildDialogFromTemplate(dialog, kMainDialogTemplate);
    std::unordered_map<ControlId, QWidget*> controls;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        controls.emplace(kMainDialogTemplate.controls[i].id, widgets[i]);
    }
    return FormBinding(std::move(controls));
}

QWidget* FormBinding::control(ControlId id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QLineEdit* FormBinding::editLine(ControlId id) const {
    QWidget* field = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

std::vector<QLineEdit*> FormBinding::fieldLines() const {
    std::vector<QLineEdit*> lines;
    for (const FormField& field : kFormFields) lines.push_back(editLine(field.control));
    return lines;
}

void FormBinding::showStartTexts() {
    for (const FormField& field : kFormFields) {
        setControlText(control(field.control), textFromBytes(field.startText));
    }
}

void FormBinding::nameFieldsForScreenReaders() {
    for (const FormField& field : kFormFields) {
        QWidget* widget = control(field.control);
        const QString label = translated(fieldLabel(field.member));
        widget->setAccessibleName(label);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // On Linux a screen reader is told an editable combo box's text in
            // place of its name, so the words go into its description as well,
            // and onto its edit field, which is what takes the focus.
            combo->setAccessibleDescription(label);
            if (QLineEdit* line = combo->lineEdit()) {
                line->setAccessibleName(label);
                line->setAccessibleDescription(label);
            }
        }
    }
}

SiteProfile FormBinding::shown() const {
    SiteProfile form = profile_;
    for (const FormField& field : kFormFields) {
        storeShownText(controlText(control(field.control)), form.*field.member);
    }
    return form;
}

void FormBinding::copyControlsToProfile() { profile_ = shown(); }

void FormBinding::replaceProfile(SiteProfile profile) {
    profile_ = std::move(profile);
    for (const FormField& field : kFormFields) {
        setControlText(control(field.control), textFromBytes(profile_.*field.member));
    }
}

}  // namespace tavimor
