#include "form/send_question.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace tavimor {

std::vector<FieldHintMarks::Marked> inQuestionOrder(std::vector<FieldHintMarks::Marked> marked) {
    std::stable_partition(marked.begin(), marked.end(), [](const FieldHintMarks::Marked& field) {
        return field.member == &SiteProfile::email;
    });
    return marked;
}

QString questionBeforeSending(const std::vector<FieldHintMarks::Marked>& marked) {
    QStringList lines;
    for (const FieldHintMarks::Marked& field : marked) {
        QString line = field.label + QStringLiteral(": ") + field.words;
        if (field.member == &SiteProfile::email) {
            line +=
                u' ' + QCoreApplication::translate(
                           "SendQuestion", "The code for your search box is sent to this address.");
        }
        lines << line;
    }
    //: %1 is one line per field: its label, a colon and what may be wrong with it.
    return QCoreApplication::translate(
               "SendQuestion",
               "Some fields may be mistyped:\n\n%1\n\nDo you want to send the form anyway?")
        .arg(lines.join(u'\n'));
}

}  // namespace tavimor
