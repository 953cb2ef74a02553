#include "app/shell_windows.h"

#include "app/about_dialog.h"
#include "app/help_window.h"
#include "form/main_dialog.h"

namespace tavimor {

ShellWindows::ShellWindows(CMainDialog& dialog) : QObject(&dialog), dialog_(dialog) {
    connect(&dialog, &CMainDialog::helpRequested, this, &ShellWindows::showHelp);
    connect(&dialog, &CMainDialog::aboutRequested, this, &ShellWindows::showAbout);
    // The help closes when the dialog ends, however it ends.
    connect(&dialog, &QDialog::finished, this, [this] {
        if (help_) help_->close();
    });
}

void ShellWindows::showHelp(int page) {
    // There is one at most; asked for again, it comes to the front at the
    // page now current.
    if (!help_) {
        help_ = new HelpWindow(&dialog_);
        help_->placeBeside(&dialog_);
    }
    help_->showSection(helpSectionForPage(page));
}

void ShellWindows::showAbout() {
    CAboutDialog about(&dialog_);
    about.exec();
}

}  // namespace tavimor
