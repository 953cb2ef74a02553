#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <map>
#include <string>
#include <vector>

#include "profile/site_profile.h"

class QAction;
class QLineEdit;

namespace tavimor {

class FormBinding;
class TabControl;

// Points at likely mistakes where the user looks, from the rules of
// submit/field_hints.h, and never stands in the way of typing: a field with
// a hint shows a warning icon at the trailing end of its box, the hint's words
// as its tooltip; the words follow the label in the field's accessible
// description, for screen readers; and the tab of a page with hints shows the
// icon and, in its tooltip, how many there are.
//
// A hint shows once the user leaves a field after changing it (on that field
// and on those a rule looks at together with it), and on every field after a
// Load or a Submit; it goes as soon as the text no longer breaks the rule.
// The texts the dialog starts with never carry one.
class FieldHintMarks final : public QObject {
    Q_OBJECT

public:
    // One field of the form as the dialog shows it.
    struct Field {
        std::string SiteProfile::*member;
        QWidget* control;  // the line edit or combo box
        QLineEdit* line;   // where the text is typed: the line edit, or the box's own
        QString label;     // what its accessible description starts with
        int page;
    };

    // The 25 fields of `form`, on the pages of `tabs`; both outlive this.
    FieldHintMarks(const FormBinding& form, TabControl& tabs, QObject* parent = nullptr);

    // Shows the hint of every field that has one, as after a Load or Submit.
    void showAll();

    // A field that shows a hint now.
    struct Marked {
        std::string SiteProfile::*member;
        QString label;
        QString words;
        int page;
        QLineEdit* line;
    };
    // The fields that show a hint, in the form's order.
    std::vector<Marked> marked() const;

private:
    void fieldChanged(std::size_t index);
    void fieldLeft(std::size_t index);
    void show(std::size_t index, const QString& words);
    void markTabs();
    std::size_t indexOf(std::string SiteProfile::*member) const;

    std::vector<Field> fields_;
    TabControl& tabs_;
    QIcon warning_;
    QIcon blank_;
    std::vector<QString> baseDescriptions_;
    std::map<int, int> marked_;  // each page that can hold hints: how many its tab counts
    SiteProfile form_;           // the texts shown, as UTF-8
    std::vector<QAction*> marks_;
    std::vector<QString> shown_;  // the words each field shows; empty for none
    std::vector<bool> edited_;    // typed in since the user last left it
};

}  // namespace tavimor
