#include "form/send_question.h"

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
            line += QStringLiteral(" The code for your search box is sent to this address.");
        }
        lines << line;
    }
    return QStringLiteral("Some fields may be mistyped:\n\n") + lines.join(u'\n') +
           QStringLiteral("\n\nDo you want to send the form anyway?");
}

}  // namespace tavimor
