#include "dialog_engine/template_layout.h"

#include <QComboBox>
#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "dialog_engine/tab_control.h"
#include "dialog_engine/translated_text.h"

namespace tavimor {
namespace {

// A closed combo box is as tall as its style wants within these bounds: no
// shorter than the line edits of the form, and never so tall that it reaches
// the next row.
constexpr int kClosedComboLeast = 12;
constexpr int kClosedComboMost = 14;

// The room for the tab control's row of tabs, in dialog units: from its top
// down to the highest control laid over its pane.
int tabRowHeight(const DialogTemplate& dialogTemplate, const DluRect& tabs) {
    const QRect tabControl(tabs.x, tabs.y, tabs.w, tabs.h);
    int row = tabs.h;
    for (const DialogControl& control : dialogTemplate.controls) {
        const QPoint topLeft(control.rect.x, control.rect.y);
        if (control.kind != ControlKind::TabControl && tabControl.contains(topLeft)) {
            row = std::min(row, topLeft.y() - tabs.y);
        }
    }
    return row;
}

QRect geometryOf(const DialogControl& control, const DialogUnits& units, const QWidget* widget) {
    QRect rect = units.toPixels(closedRect(control));
    switch (control.kind) {
    case ControlKind::ComboBox: {
        // As tall as the style wants, within the row: no shorter than the
        // line edits nor the style's least (the grid makes the row that
        // tall), and never into the next row.
        const int least =
            std::max(units.toY(kClosedComboLeast), widget->minimumSizeHint().height());
        rect.setHeight(
            std::clamp(widget->sizeHint().height(), std::min(least, rect.height()), rect.height()));
        break;
    }
    case ControlKind::Icon:
        rect.setSize(QSize(32, 32));
        break;
    default:
        break;
    }
    return rect;
}

// As many entries as the template's dropped-down height holds below the box.
void fitListToTemplate(QComboBox& combo, const DialogControl& control, const DialogUnits& units) {
    const int itemHeight = std::max(1, combo.fontMetrics().height() + 2);
    const int listHeight = units.toY(control.rect.h) - combo.height();
    combo.setMaxVisibleItems(std::max(4, listHeight / itemHeight));
}

// Fitting the captions measures every text of the template, the bulk of the
// work. What it gives depends on the template, the captions as the language
// spoken words them, and the font at the dialog's resolution alone, so it is
// done once for all the dialogs of a process that share them.
const DialogUnits& captionFit(const DialogTemplate& dialogTemplate, const QWidget& dialog) {
    static std::map<std::tuple<const DialogTemplate*, QString, QString, int>, DialogUnits> fits;
    QString captions;
    for (const DialogControl& control : dialogTemplate.controls) {
        if (control.kind == ControlKind::Text) captions += translated(control.caption) + u'\n';
    }
    const std::tuple key(&dialogTemplate, captions, dialog.font().key(), dialog.logicalDpiY());
    auto fit = fits.find(key);
    if (fit == fits.end()) {
        fit = fits.emplace(key, DialogUnits::fittedTo(dialog.font(), dialogTemplate)).first;
    }
    return fit->second;
}

}  // namespace

DluRect closedRect(const DialogControl& control) {
    DluRect rect = control.rect;
    if (control.kind == ControlKind::ComboBox) rect.h = std::min(rect.h, kClosedComboMost);
    return rect;
}

TemplateLayout::TemplateLayout(QWidget* dialog, const DialogTemplate& dialogTemplate,
                               std::vector<QWidget*> widgets)
    : QObject(dialog), dialog_(dialog), template_(dialogTemplate), widgets_(std::move(widgets)) {
    for (QWidget* widget : widgets_) {
        if (auto* tabs = qobject_cast<TabControl*>(widget)) {
            connect(tabs, &TabControl::tabsChanged, this, &TemplateLayout::place);
        }
    }
    dialog_->installEventFilter(this);
}

DialogUnits TemplateLayout::fittedUnits() {
    DialogUnits units = captionFit(template_, *dialog_);
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const DialogControl& control = template_.controls[i];
        switch (control.kind) {
        case ControlKind::Text:     // the captions are fitted above, by the font
        case ControlKind::Picture:  // drawn at whatever size they get
        case ControlKind::Icon:     // shown at the icon's own size
            break;
        case ControlKind::TabControl: {
            // The bar's size hint is the tabs' natural sizes side by side.
            const QSize tabs = qobject_cast<TabControl*>(widgets_[i])->tabBar()->sizeHint();
            units.enlargeToHold(control.rect.w, tabRowHeight(template_, control.rect), tabs);
            break;
        }
        case ControlKind::Edit:
        case ControlKind::ComboBox:
            // The height only: some styles give every field the same least
            // width whatever it holds, wider than the narrow fields were
            // drawn for (two letters of a country code), which still hold
            // their text at the width the font gives them.
            units.enlargeToHold(0, closedRect(control).h, widgets_[i]->minimumSizeHint());
            break;
        case ControlKind::PushButton:
        case ControlKind::GroupBox:
            units.enlargeToHold(control.rect.w, control.rect.h, widgets_[i]->minimumSizeHint());
            break;
        }
    }
    return units;
}

void TemplateLayout::place() {
    const DialogUnits units = fittedUnits();
    dialog_->setFixedSize(units.toPixels(template_.width, template_.height));
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const DialogControl& control = template_.controls[i];
        widgets_[i]->setGeometry(geometryOf(control, units, widgets_[i]));
        if (auto* combo = qobject_cast<QComboBox*>(widgets_[i])) {
            fitListToTemplate(*combo, control, units);
        } else if (auto* tabs = qobject_cast<TabControl*>(widgets_[i])) {
            tabs->placeTabBar();
        }
    }
}

bool TemplateLayout::eventFilter(QObject* watched, QEvent* event) {
    const bool restyled =
        event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange;
    if (watched == dialog_ && restyled) {
        // Every control hears of the change as well, in no set order, and
        // until it has, its size hints are still the old ones; so the grid
        // is measured again once they all have, when the event loop next
        // turns.
        QMetaObject::invokeMethod(this, &TemplateLayout::place, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavimor
