#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>
#include <string_view>

#include "form/form_binding.h"
#include "submit/registration.h"

class QContextMenuEvent;
class QKeyEvent;
class QTabBar;

namespace tavimor {

class FieldHintMarks;
class ProfileActions;
class RegistrationRecord;
class Submission;
class UnsavedWork;
class UserPrompts;

// Where the form keeps files, decided by whoever starts it.
struct FormFolders {
    QString profiles;                     // where the Save and Load dialogs open
    std::filesystem::path recovery;       // where the recovery copies are kept
    std::filesystem::path registrations;  // where the record of registrations is
};

// The application's one window: the seven-page form built from template 102
// and the buttons under it. It conducts: each handler hands its work to the
// part that does it (the binding between controls and record, the
// submission, the profile actions, what keeps unsaved work).
class CMainDialog : public QDialog {
    Q_OBJECT

public:
    // `prompts` shows every message and must outlive the dialog; the
    // registration host is injectable so tests can point it at a local
    // stand-in for the service.
    CMainDialog(UserPrompts& prompts, const FormFolders& folders,
                std::string_view registrationHost = RegistrationHost(), QWidget* parent = nullptr);
    ~CMainDialog() override;

    // What the window does once it shows: loads `profile` when one is given
    // (the command line's), else offers to restore a form that an instance
    // ended without saving, if there is one.
    void openAtStart(const QString& profile);

public slots:
    // Sends the form to the service; the window stays responsive, and
    // Cancel or Escape stop the submission.
    void OnSubmit();

    // The user chose a tab, by mouse or keyboard: its page's controls show
    // and every other page's hide.
    void OnSelchangeTab();

    // Steps from the current page to the next; nothing on the last page.
    void OnNext();

    // Save writes the form to a file the user picks; Load reads one into the
    // form, keeping the page and what is shown.
    void OnSave();
    void OnLoad();

    // The Cancel button, and Escape: stops a submission under way, and
    // otherwise closes the window as reject() does.
    void OnCancel();

    // Help and F1 ask for the help at the current page's section; the
    // context menu's entry asks for the About box.
    void OnHelp();
    void OnAbout();

    // The Registrations window, from the context menu or Ctrl+R: what the
    // service gave, and a form to load from it through the question about
    // unsaved changes.
    void OnRegistrations();

    // Every way of closing the window ends here. A submission under way is
    // stopped first; then a changed form asks whether to save it, and stays
    // open when the user cancels or the save does not happen.
    void reject() override;

signals:
    // The shell shows these windows; the form knows nothing of them.
    void helpRequested(int page);
    void aboutRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Desktops offer no way to add an entry to a window's own menu, so
    // "&About Tavimor..." stands in a context menu of the dialog instead.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QTabBar* tabBar() const;
    void showPage(int page);
    void showColoursAsSent();
    bool mayBeSent();

    UserPrompts& prompts_;
    FormBinding form_;
    FieldHintMarks* hints_;
    Submission* submission_;
    ProfileActions* profiles_;
    UnsavedWork* unsavedWork_;
    RegistrationRecord* registrations_;
};

}  // namespace tavimor
