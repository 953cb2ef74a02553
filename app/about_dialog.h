#pragma once

#include <QDialog>

namespace tavimor {

// The About box, built from template 100. It closes on OK, Escape or its
// close box.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace tavimor
