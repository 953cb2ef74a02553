#pragma once

#include <QString>

#include <vector>

#include "form/field_hint_marks.h"

namespace tavimor {

// The fields a form is sent with marked, as the question before sending
// lists them: the e-mail first, since the service sends the search box's
// code to it, then the others in the form's order.
std::vector<FieldHintMarks::Marked> inQuestionOrder(std::vector<FieldHintMarks::Marked> marked);

// The question asked before a form with marked fields is sent: one line per
// field ("label: words"), `marked` in question order.
QString questionBeforeSending(const std::vector<FieldHintMarks::Marked>& marked);

}  // namespace tavimor
