#include "dialog_engine/template_builder.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

#include "dialog_engine/group_frame.h"
#include "dialog_engine/picture_control.h"
#include "dialog_engine/tab_control.h"
#include "dialog_engine/template_layout.h"
#include "dialog_engine/text.h"
#include "dialog_engine/translated_text.h"
#include "res/combo_lists.h"

namespace tavimor {
namespace {

Qt::Alignment alignmentOf(TextAlign align) {
    switch (align) {
    case TextAlign::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case TextAlign::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlign::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Qt's line edits stop at 32767 characters unless told otherwise; a field
// holds whatever it is given, whatever its length.
constexpr int kUnlimitedLength = INT_MAX;

QWidget* makeEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(kUnlimitedLength);
    return edit;
}

QWidget* makeCombo(const DialogControl& control, QWidget* parent, std::optional<QCompleter>& lent) {
    auto* combo = new QComboBox(parent);
    if (control.editableDropDown) {
        auto* line = new QLineEdit(combo);
        line->setPalette(combo->palette());
        line->setMaxLength(kUnlimitedLength);
        // A box handed a line edit without a completer makes one of its own,
        // tied to its list by more connections than the rest of the box
        // takes, only to lose it below; handed one with `lent`, it makes
        // none, and `lent` comes back free for the next box.
        if (!lent) lent.emplace();
        line->setCompleter(&*lent);
        combo->setLineEdit(line);
        // Typed text stays exactly as typed: no entry is added to the list,
        // and without a completer nothing is filled in, and no entry that
        // differs only in case ("Html Support", "HTML Support") replaces it.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    // A box's size hints measure every entry of its list and are kept until
    // the style or the font changes. The layout takes only their heights,
    // which no entry changes (none has an icon): worked out while the list
    // is empty, they cost nothing per entry.
    combo->adjustSize();
    combo->minimumSizeHint();

    QStringList entries;
    for (std::string_view entry : comboEntries(control.id)) entries.append(textFromBytes(entry));
    if (control.sorted) {
        std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* makeControl(const DialogControl& control, QWidget* parent,
                     std::optional<QCompleter>& lent) {
    const QString caption = translated(control.caption);
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true);
        button->setDefault(control.defaultButton);
        return button;
    }
    case ControlKind::TabControl:
        return new TabControl(parent);
    case ControlKind::Text: {
        auto* label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignmentOf(control.align));
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Edit:
        return makeEdit(parent);
    case ControlKind::GroupBox:
        return new GroupFrame(caption, parent);
    case ControlKind::ComboBox:
        return makeCombo(control, parent, lent);
    case ControlKind::Picture:
    case ControlKind::Icon:
        return new PictureControl(control.picture, parent);
    }
    return new QWidget(parent);
}

}  // namespace

QString controlObjectName(ControlId id) { return QString::number(static_cast<int>(id)); }

QWidget* findControl(const QWidget& dialog, ControlId id) {
    return dialog.findChild<QWidget*>(controlObjectName(id), Qt::FindDirectChildrenOnly);
}

std::vector<QWidget*> buildDialogFromTemplate(QWidget* dialog,
                                              const DialogTemplate& dialogTemplate) {
    dialog->setWindowTitle(translated(dialogTemplate.caption));

    std::optional<QCompleter> lent;
    std::vector<QWidget*> widgets;
    widgets.reserve(dialogTemplate.controls.size());
    QWidget* previousTabStop = nullptr;
    for (const DialogControl& control : dialogTemplate.controls) {
        QWidget* widget = makeControl(control, dialog, lent);
        widget->setObjectName(controlObjectName(control.id));
        QWidget* focusTarget = widget;
        if (auto* tabs = qobject_cast<TabControl*>(widget)) focusTarget = tabs->tabBar();
        if (control.tabStop || control.kind == ControlKind::TabControl) {
            // The tab control joins the Tab chain too, at its template place,
            // so keyboard users can reach it and change pages with the arrows.
            focusTarget->setFocusPolicy(Qt::StrongFocus);
            if (previousTabStop) QWidget::setTabOrder(previousTabStop, focusTarget);
            previousTabStop = focusTarget;
        } else if (focusTarget->focusPolicy() & Qt::TabFocus) {
            focusTarget->setFocusPolicy(Qt::ClickFocus);
        }
        if (!control.visibleAtStart) widget->hide();
        widgets.push_back(widget);
    }

    // Labels announce and give focus to the field the template pairs them with.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlId buddyId = dialogTemplate.controls[i].buddy;
        if (buddyId == ControlId::None) continue;
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        for (std::size_t j = 0; j < widgets.size(); ++j) {
            if (label && dialogTemplate.controls[j].id == buddyId) label->setBuddy(widgets[j]);
        }
    }

    // Group boxes and the tab control only frame other controls: beneath
    // everything else they neither cover those controls nor catch their clicks.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (dialogTemplate.controls[i].kind == ControlKind::GroupBox) widgets[i]->lower();
    }
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (dialogTemplate.controls[i].kind == ControlKind::TabControl) widgets[i]->lower();
    }

    (new TemplateLayout(dialog, dialogTemplate, widgets))->place();
    return widgets;
}

}  // namespace tavimor
