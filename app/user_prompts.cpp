#include "app/user_prompts.h"

#include <QMessageBox>

namespace tavimor {

void MessageBoxPrompts::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tavimor"), text, QMessageBox::Ok,
                    parent);
    // The text is shown exactly as given: a reply captured from the service is
    // never to be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace tavimor
