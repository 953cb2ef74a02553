// What keeps the user's unsaved work: the question before the window ends,
// the recovery copy, and the end of the desktop session.
#include <QGuiApplication>
#include <QLineEdit>
#include <QSessionManager>

#include <optional>
#include <utility>

#include "app/field_hint_marks.h"
#include "app/form_changes.h"
#include "app/logging.h"
#include "app/main_dialog.h"
#include "app/user_prompts.h"
#include "profile/profile_file.h"
#include "profile/recovery_copy.h"
#include "res/form_fields.h"

namespace tavimor {
namespace {

const QString kSaveChangesQuestion = QStringLiteral(
    "The form has changes that are not saved.\nDo you want to save the form as a profile?");
const QString kRestoreQuestion = QStringLiteral(
    "Tavimor ended before the form was saved.\nDo you want to restore the form that was not "
    "saved?");

}  // namespace

void CMainDialog::watchForChanges() {
    std::vector<QLineEdit*> fields;
    for (const FormField& field : kFormFields) {
        fields.push_back(editLine(field.control));
        // A profile dropped on a field is the window's to load (eventFilter).
        fields.back()->installEventFilter(this);
    }
    changes_ = new FormChanges(std::move(fields), this);
    connect(changes_, &FormChanges::edited, &recovery_, &RecoveryKeeper::formEdited);
    connect(changes_, &FormChanges::becameUnchanged, &recovery_, &RecoveryKeeper::formUnchanged);
    // New changes need a new answer.
    connect(changes_, &FormChanges::edited, this, [this] { endWithoutAsking_ = false; });
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CMainDialog::commitData);
}

bool CMainDialog::hasUnsavedChanges() const { return changes_->isChanged(); }

bool CMainDialog::mayEnd() {
    if (!hasUnsavedChanges() || endWithoutAsking_) return true;
    switch (prompts_.askToSaveChanges(this, kSaveChangesQuestion)) {
    case SaveChoice::Save:
        return saveProfile();
    case SaveChoice::Discard:
        recovery_.formUnchanged();
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool CMainDialog::endSession(bool mayAsk) {
    // Whatever comes next, the copy holds the form as it stands.
    recovery_.writeNow();
    if (mayAsk && !mayEnd()) return false;
    endWithoutAsking_ = true;
    return true;
}

void CMainDialog::commitData(QSessionManager& manager) {
    // Asking is only allowed once the session manager agrees.
    const bool mayAsk = hasUnsavedChanges() && !endWithoutAsking_ && manager.allowsInteraction();
    const bool mayEndNow = endSession(mayAsk);
    if (mayAsk) manager.release();
    if (!mayEndNow) manager.cancel();
}

void CMainDialog::openAtStart(const QString& profile) {
    if (profile.isEmpty()) {
        offerRecovery();
    } else {
        // Opened from outside, the user asked for that file; a recovery copy
        // waits for a start without one.
        loadProfile(profile);
    }
}

void CMainDialog::offerRecovery() {
    std::optional<OrphanedCopy> orphan = OrphanedCopy::claim(RecoveryKeeper::defaultFolder());
    if (!orphan) return;
    ProfileResult<SiteProfile> form = readProfileFile(orphan->file());
    if (!form) {
        // Offering what cannot be restored would only puzzle the user.
        qCWarning(lcProfile).noquote() << "removed a recovery copy that cannot be read:"
                                       << QString::fromLocal8Bit(form.error().message.english())
                                       << QString::fromLocal8Bit(form.error().detail);
        orphan->remove();
        return;
    }
    if (prompts_.askToRestore(this, kRestoreQuestion)) {
        profile_ = std::move(form).value();
        copyProfileToControls();
        hints_->showAll();
        // This instance's own copy holds the form before the old one goes.
        recovery_.writeNow();
    }
    orphan->remove();
}

}  // namespace tavimor
