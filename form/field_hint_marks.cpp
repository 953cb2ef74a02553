#include "form/field_hint_marks.h"

#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QPixmap>
#include <QTabBar>
#include <QToolTip>

#include <algorithm>
#include <utility>

#include "dialog_engine/picture_control.h"
#include "dialog_engine/tab_control.h"
#include "dialog_engine/text.h"
#include "dialog_engine/translated_text.h"
#include "form/form_binding.h"
#include "profile/profile_fields.h"
#include "res/form_fields.h"
#include "res/tab_pages.h"
#include "submit/field_hints.h"

namespace tavimor {
namespace {

QString wordsFor(const std::vector<FieldHint>& hints, std::string SiteProfile::*member) {
    for (const FieldHint& hint : hints) {
        if (hint.field == member) return translated(hint.words);
    }
    return {};
}

std::vector<FieldHintMarks::Field> fieldsOf(const FormBinding& form) {
    std::vector<FieldHintMarks::Field> fields;
    for (const FormField& field : kFormFields) {
        fields.push_back({field.member, form.control(field.control), form.editLine(field.control),
                          translated(fieldLabel(field.member)), pageOf(field.control)});
    }
    return fields;
}

bool looksAt(const HintRule& rule, std::string SiteProfile::*member) {
    return std::find(rule.fields.begin(), rule.fields.end(), member) != rule.fields.end();
}

}  // namespace

FieldHintMarks::FieldHintMarks(const FormBinding& form, TabControl& tabs, QObject* parent)
    : QObject(parent),
      fields_(fieldsOf(form)),
      tabs_(tabs),
      marks_(fields_.size(), nullptr),
      shown_(fields_.size()),
      edited_(fields_.size(), false) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& field = fields_[i];
        form_.*field.member = bytesFromText(field.line->text());
        baseDescriptions_.push_back(field.control->accessibleDescription());
        connect(field.line, &QLineEdit::textChanged, this, [this, i] { fieldChanged(i); });
        connect(field.line, &QLineEdit::textEdited, this, [this, i] { edited_[i] = true; });
        connect(field.line, &QLineEdit::editingFinished, this, [this, i] { fieldLeft(i); });
    }
    // Every page that can hold a hint keeps an icon on its tab, a blank one
    // while it holds none, so that the tabs keep their widths as marks come
    // and go.
    QPixmap blank(tabs_.tabBar()->iconSize());
    blank.fill(Qt::transparent);
    blank_ = QIcon(blank);
    for (const HintRule& rule : hintRules()) {
        for (std::string SiteProfile::*member : rule.fields) {
            const int page = fields_[indexOf(member)].page;
            if (marked_.emplace(page, 0).second) tabs_.setTabMark(page, blank_, {});
        }
    }
}

std::vector<FieldHintMarks::Marked> FieldHintMarks::marked() const {
    std::vector<Marked> marked;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& field = fields_[i];
        if (!shown_[i].isEmpty()) {
            marked.push_back({field.member, field.label, shown_[i], field.page, field.line});
        }
    }
    return marked;
}

void FieldHintMarks::showAll() {
    const std::vector<FieldHint> hints = hintsFor(form_);
    for (std::size_t i = 0; i < fields_.size(); ++i) show(i, wordsFor(hints, fields_[i].member));
    markTabs();
}

// While typing, hints only go: the user is not told of a mistake half-way
// through a word.
void FieldHintMarks::fieldChanged(std::size_t index) {
    form_.*fields_[index].member = bytesFromText(fields_[index].line->text());
    const std::vector<FieldHint> hints = hintsFor(form_);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!shown_[i].isEmpty()) show(i, wordsFor(hints, fields_[i].member));
    }
    markTabs();
}

void FieldHintMarks::fieldLeft(std::size_t index) {
    if (!edited_[index]) return;
    edited_[index] = false;
    const std::vector<FieldHint> hints = hintsFor(form_);
    for (const HintRule& rule : hintRules()) {
        if (!looksAt(rule, fields_[index].member)) continue;
        for (std::string SiteProfile::*member : rule.fields) {
            const QString words = wordsFor(hints, member);
            if (!words.isEmpty()) show(indexOf(member), words);
        }
    }
    markTabs();
}

void FieldHintMarks::show(std::size_t index, const QString& words) {
    if (shown_[index] == words) return;
    const Field& field = fields_[index];
    // What a screen reader says of the field besides its name: the hint
    // after the label.
    const QString description =
        words.isEmpty() ? baseDescriptions_[index] : field.label + QStringLiteral(": ") + words;
    field.control->setAccessibleDescription(description);
    field.line->setAccessibleDescription(description);
    shown_[index] = words;
    if (!marks_[index]) {
        // Made when first needed, as is the icon: most forms never need one.
        if (warning_.isNull()) warning_ = warningIcon();
        QAction* mark = field.line->addAction(warning_, QLineEdit::TrailingPosition);
        // A click on the mark says the same as hovering over it.
        connect(mark, &QAction::triggered, field.line, [mark, line = field.line] {
            QToolTip::showText(QCursor::pos(), mark->toolTip(), line);
        });
        marks_[index] = mark;
    }
    marks_[index]->setToolTip(words);
    marks_[index]->setText(words);
    marks_[index]->setVisible(!words.isEmpty());
}

void FieldHintMarks::markTabs() {
    for (auto& [page, marked] : marked_) {
        int count = 0;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            count += fields_[i].page == page && !shown_[i].isEmpty();
        }
        if (count == marked) continue;
        marked = count;
        // One field has its own text: English, which has no translation
        // file to give "%n" its singular, reads "1 field". Every other count
        // takes the form its language gives it.
        const QString toolTip = count == 0 ? QString()
                                : count == 1
                                    ? tr("1 field on this page may be mistyped.")
                                    : tr("%n fields on this page may be mistyped.", nullptr, count);
        tabs_.setTabMark(page, count > 0 ? warning_ : blank_, toolTip);
    }
}

std::size_t FieldHintMarks::indexOf(std::string SiteProfile::*member) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].member == member) return i;
    }
    return 0;
}

}  // namespace tavimor
