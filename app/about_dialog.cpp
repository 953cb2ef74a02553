#include "app/about_dialog.h"

#include <QPushButton>

#include "dialog_engine/template_builder.h"
#include "res/dialog_templates.h"

namespace tavimor {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    buildDialogFromTemplate(this, kAboutDialogTemplate);
    if (auto* ok = findChild<QPushButton*>(controlObjectName(ControlId::OkButton))) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
}

}  // namespace tavimor
