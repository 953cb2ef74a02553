#pragma once

#include <QObject>
#include <QPointer>

namespace tavimor {

class CMainDialog;
class HelpWindow;

// The windows the shell shows beside the form when it asks: the help, at the
// section of the page in front, and the About box.
class ShellWindows final : public QObject {
    Q_OBJECT

public:
    // Lives as long as `dialog`, whose requests it answers.
    explicit ShellWindows(CMainDialog& dialog);

private:
    void showHelp(int page);
    void showAbout();

    CMainDialog& dialog_;
    // A window of its own, yet the dialog's child: the dialog's modality
    // leaves its own child windows usable, and it goes when the dialog goes.
    QPointer<HelpWindow> help_;
};

}  // namespace tavimor
