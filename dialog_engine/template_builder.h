#pragma once

#include <vector>

#include "res/dialog_templates.h"

class QString;
class QWidget;

namespace tavimor {

// The objectName of a template's control: its template id, written out.
QString controlObjectName(ControlId id);

// The control `id` of a dialog built by buildDialogFromTemplate, found by its
// objectName; nullptr when it has none.
QWidget* findControl(const QWidget& dialog, ControlId id);

// Creates the controls of `dialogTemplate` as children of `dialog`, in
// template order, and returns them in that order. Each widget's objectName is
// controlObjectName of its id. Also sets the dialog's title, and fixes its
// client size and places the controls on a grid fitted to the dialog's font
// and style, for as long as the dialog lives (see TemplateLayout).
std::vector<QWidget*> buildDialogFromTemplate(QWidget* dialog,
                                              const DialogTemplate& dialogTemplate);

}  // namespace tavimor
