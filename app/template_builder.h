#pragma once

#include <vector>

#include "app/dialog_units.h"
#include "res/dialog_templates.h"

class QWidget;

namespace tavimor {

// Creates the controls of `dialogTemplate` as children of `dialog`, in
// template order, and returns them in that order. Each widget's objectName is
// its template id, so code and tests reach any control by id. Also fixes the
// dialog's client size and title; the dialog's own font is the one the units
// are measured against (see DialogUnits::fittedTo).
std::vector<QWidget*> buildDialogFromTemplate(QWidget* dialog,
                                              const DialogTemplate& dialogTemplate);

}  // namespace tavimor
