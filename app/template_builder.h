#pragma once

#include <vector>

#include "app/dialog_units.h"
#include "res/dialog_templates.h"

class QString;
class QWidget;

namespace tavimor {

// The objectName of a template's control: its template id, written out.
QString controlObjectName(ControlId id);

// Creates the controls of `dialogTemplate` as children of `dialog`, in
// template order, and returns them in that order. Each widget's objectName is
// controlObjectName of its id. Also fixes the
// dialog's client size and title; the dialog's own font is the one the units
// are measured against (see DialogUnits::fittedTo).
std::vector<QWidget*> buildDialogFromTemplate(QWidget* dialog,
                                              const DialogTemplate& dialogTemplate);

}  // namespace tavimor
