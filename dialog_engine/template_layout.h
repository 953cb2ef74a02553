#pragma once

#include <QObject>

#include <vector>

#include "dialog_engine/dialog_units.h"
#include "res/dialog_templates.h"

class QEvent;
class QWidget;

namespace tavimor {

// A control's rectangle in the closed dialog, in dialog units. A combo box's
// template height is that of the box with its list dropped down; closed, it
// takes one row of the form.
DluRect closedRect(const DialogControl& control);

// Places a template's controls on the dialog-unit grid and keeps them there.
// The grid is measured from the dialog's font, as dialog units always were,
// and then enlarged wherever the current style needs more room: no edit or
// combo box shorter than the style's least height for it, no push button or
// group smaller than its least size, and the tabs whole, side by side within
// the tab control, above the controls of its pages. Only the scale grows,
// evenly along each axis, so every control keeps its place relative to the
// others and the dialog keeps a fixed size. A change of style or font, or a
// tab added, fits the grid again and moves every control to its new place.
class TemplateLayout final : public QObject {
    Q_OBJECT

public:
    // `widgets` are the controls of `dialogTemplate`, in template order;
    // the template must outlive the dialog, as the compiled-in ones do.
    TemplateLayout(QWidget* dialog, const DialogTemplate& dialogTemplate,
                   std::vector<QWidget*> widgets);

    // Fits the grid to the font and style now, and sizes the dialog and
    // places its controls on it.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DialogUnits fittedUnits();

    QWidget* dialog_;
    const DialogTemplate& template_;
    std::vector<QWidget*> widgets_;
};

}  // namespace tavimor
