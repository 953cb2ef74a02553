#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "app/busy_scope.h"
#include "app/recovery_keeper.h"
#include "profile/site_profile.h"
#include "res/resource_ids.h"
#include "submit/registration.h"

class QContextMenuEvent;
class QLineEdit;
class QSessionManager;
class QTabBar;
template <typename T>
class QFutureWatcher;

namespace tavimor {

class FieldHintMarks;
class FormChanges;
class HelpWindow;
class StopSignal;
class UserPrompts;

// The application's one window: the seven-page form built from template 102,
// the buttons under it, and the form's values in `SiteProfile`.
class CMainDialog : public QDialog {
    Q_OBJECT

public:
    // `prompts` shows every message and must outlive the dialog; the
    // registration host is injectable so tests can point it at a local
    // stand-in for the service.
    explicit CMainDialog(UserPrompts& prompts,
                         std::string_view registrationHost = RegistrationHost(),
                         QWidget* parent = nullptr);
    ~CMainDialog() override;

    QWidget* control(ControlId id) const;

    // Where the text of the field `id` is typed: the line edit itself, or
    // an editable combo box's own.
    QLineEdit* editLine(ControlId id) const;

    // The tab labels of the tab control; the current index is the page.
    QTabBar* tabBar() const;

    // The form's values as last copied from the controls (Submit, Save) or
    // read from a profile file (Load, which then copies them into the
    // controls).
    const SiteProfile& siteProfile() const { return profile_; }
    const std::string& idCodeReply() const { return idCodeReply_; }

    // The "Profiles" folder under the directory the dialog started in; fixed
    // for the dialog's life, whatever later changes the working directory.
    const QString& profileFolder() const { return profileFolder_; }

    // Every one of the 25 fields takes its control's text (for a combo box,
    // whatever stands in its edit field, picked or typed), and the other way
    // round. Both copy all 25, visible or not. A field whose control still
    // shows what was loaded into it keeps the loaded bytes.
    void copyControlsToProfile();
    void copyProfileToControls();

    // True from Submit until the service's answer is shown.
    bool isSubmitting() const { return submitting_; }

    // True when the form differs from what it started with, or from what was
    // last saved or loaded.
    bool hasUnsavedChanges() const;

    // Loads the profile `file` into the form as Load does once a file is
    // picked: the same refusals and messages, the form replaced without a
    // question. True when it was loaded.
    bool loadProfile(const QString& file);

    // What the window does once it shows: loads `profile` when one is given
    // (the command line's), else offers to restore a form that an instance
    // ended without saving, if there is one.
    void openAtStart(const QString& profile);

    // The desktop session is ending. With `mayAsk`, a changed form asks
    // whether to save it, as closing does; without, its recovery copy is
    // brought up to date and nothing is asked. False when the user chose to
    // keep working, so the session should not end.
    bool endSession(bool mayAsk);

public slots:
    // Sends the form to the service without blocking the window: the
    // exchange runs on a worker thread while the dialog repaints but takes no
    // input, and the messages follow when it is over. One at a time.
    void OnSubmit();

    // The user chose a tab, by mouse or keyboard: its page's controls show
    // and every other page's hide.
    void OnSelchangeTab();

    // Steps from the current page to the next; nothing on the last page.
    void OnNext();

    // Save: copies the controls into the record and writes it to a file the
    // user picks. Load: reads a file the user picks into the record and its
    // controls, keeping the page and what is shown; on any failure both stay
    // as they were and a message says why.
    void OnSave();
    void OnLoad();

    // The Cancel button, and Escape: stops a submission under way, and
    // otherwise closes the window as reject() does.
    void OnCancel();

    // Help and F1: the help window, opened at the section that explains the
    // current page. There is one at most; asked for again, it comes to the
    // front at the page now current.
    void OnHelp();

    // The About box, modally; reached from the dialog's context menu.
    void OnAbout();

    // Every way of closing the window ends here. A submission under way is
    // stopped first; then a changed form asks whether to save it, and stays
    // open when the user cancels or the save does not happen.
    void reject() override;

    // The help window closes when the dialog ends, however it ends.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // A profile dropped anywhere on the window is loaded, even over a field
    // that would otherwise take the dropped text.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Desktops offer no way to add an entry to a window's own menu, so
    // "&About Tavimor..." stands in a context menu of the dialog instead.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void showPage(int page);
    void setStartTexts();
    void setAccessibleLabels();
    void setUpColourBoxes();
    void createProfileFolder();
    void watchForChanges();
    void pointAtMistakes();
    void finishSubmission();
    void stopSubmission();

    // The record with the texts the controls show now (see copyControlsToProfile).
    SiteProfile formShown() const;

    // Save's flow after the button: true when the profile was written.
    bool saveProfile();

    // Asked before the window ends: true when it may end.
    bool mayEnd();

    void offerRecovery();
    void commitData(QSessionManager& manager);

    UserPrompts& prompts_;
    std::string registrationHost_;
    std::unordered_map<ControlId, QWidget*> controls_;
    SiteProfile profile_;
    std::string idCodeReply_;
    QString profileFolder_;
    bool submitting_ = false;
    std::optional<BusyScope> busy_;
    std::shared_ptr<StopSignal> stop_;
    QFutureWatcher<ExchangeResult>* submission_;
    HelpWindow* helpWindow_ = nullptr;
    FormChanges* changes_ = nullptr;
    FieldHintMarks* hints_ = nullptr;
    RecoveryKeeper recovery_;
    // The user already answered for the changes there are (at the end of the
    // desktop session), or may not be asked: closing asks nothing more.
    bool endWithoutAsking_ = false;
};

}  // namespace tavimor
