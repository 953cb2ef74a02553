#pragma once

#include <QObject>

#include <filesystem>

#include "form/form_changes.h"
#include "form/recovery_keeper.h"

class QSessionManager;
class QWidget;

namespace tavimor {

class FormBinding;
class ProfileActions;
class UserPrompts;

// What keeps the user's unsaved work until the form's life ends: whether the
// form differs from what it last matched, the question before the window
// ends, the recovery copy of a changed form, the copy an ended instance left,
// and the end of the desktop session.
class UnsavedWork final : public QObject {
    Q_OBJECT

public:
    // The recovery copies live in `recoveryFolder`. Everything given
    // outlives this.
    UnsavedWork(FormBinding& form, ProfileActions& profiles, UserPrompts& prompts, QWidget* window,
                std::filesystem::path recoveryFolder, QObject* parent = nullptr);

    bool isChanged() const { return changes_.isChanged(); }

    // What the fields show now is the form as saved, loaded or started with.
    void formMatchesFile();

    // Asked before the window ends: a changed form asks whether to save it.
    // False when the user chose to keep working, or the save did not happen.
    bool mayEnd();

    // The desktop session is ending. With `mayAsk`, a changed form asks as
    // closing does; without, the recovery copy is brought up to date and
    // nothing is asked. False when the user chose to keep working.
    bool endSession(bool mayAsk);

    // The session manager's request: asks only when it allows interaction,
    // and cancels the session's end when the user keeps working.
    void commitData(QSessionManager& manager);

    // Offers the newest copy that an instance ended without saving, once.
    // True when the user restored it into the form.
    bool offerRecovery();

    // Writes an edit the copy does not hold yet, before the window goes.
    void keepCopy() { recovery_.writeNow(); }

private:
    FormBinding& form_;
    ProfileActions& profiles_;
    UserPrompts& prompts_;
    QWidget* window_;
    std::filesystem::path recoveryFolder_;
    FormChanges changes_;
    RecoveryKeeper recovery_;
    // The user already answered for the changes there are (at the end of the
    // desktop session), or may not be asked: closing asks nothing more.
    bool endWithoutAsking_ = false;
};

}  // namespace tavimor
