#include "form/unsaved_work.h"

#include <QSessionManager>

#include <optional>
#include <utility>

#include "dialog_engine/text.h"
#include "form/form_binding.h"
#include "form/logging.h"
#include "form/profile_actions.h"
#include "form/user_prompts.h"
#include "profile/profile_file.h"
#include "profile/recovery_copy.h"

namespace tavimor {
namespace {

const char* const kSaveChangesQuestion = QT_TRANSLATE_NOOP(
    "tavimor::UnsavedWork",
    "The form has changes that are not saved.\nDo you want to save the form as a profile?");
const char* const kRestoreQuestion = QT_TRANSLATE_NOOP(
    "tavimor::UnsavedWork",
    "Tavimor ended before the form was saved.\nDo you want to restore the form that was not "
    "saved?");

}  // namespace

UnsavedWork::UnsavedWork(FormBinding& form, ProfileActions& profiles, UserPrompts& prompts,
                         QWidget* window, std::filesystem::path recoveryFolder, QObject* parent)
    : QObject(parent),
      form_(form),
      profiles_(profiles),
      prompts_(prompts),
      window_(window),
      recoveryFolder_(std::move(recoveryFolder)),
      changes_(form.fieldLines()),
      recovery_(recoveryFolder_, [&form] { return form.shown(); }) {
    connect(&changes_, &FormChanges::edited, &recovery_, &RecoveryKeeper::formEdited);
    connect(&changes_, &FormChanges::becameUnchanged, &recovery_, &RecoveryKeeper::formUnchanged);
    // New changes need a new answer.
    connect(&changes_, &FormChanges::edited, this, [this] { endWithoutAsking_ = false; });
}

void UnsavedWork::formMatchesFile() { changes_.markUnchanged(); }

bool UnsavedWork::mayEnd() {
    if (!changes_.isChanged() || endWithoutAsking_) return true;
    switch (prompts_.askToSaveChanges(window_, tr(kSaveChangesQuestion))) {
    case SaveChoice::Save:
        return profiles_.save();
    case SaveChoice::Discard:
        recovery_.formUnchanged();
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool UnsavedWork::endSession(bool mayAsk) {
    // Whatever comes next, the copy holds the form as it stands.
    recovery_.writeNow();
    if (mayAsk && !mayEnd()) return false;
    endWithoutAsking_ = true;
    return true;
}

void UnsavedWork::commitData(QSessionManager& manager) {
    // Asking is only allowed once the session manager agrees.
    const bool mayAsk = changes_.isChanged() && !endWithoutAsking_ && manager.allowsInteraction();
    const bool mayEndNow = endSession(mayAsk);
    if (mayAsk) manager.release();
    if (!mayEndNow) manager.cancel();
}

bool UnsavedWork::offerRecovery() {
    std::optional<OrphanedCopy> orphan = OrphanedCopy::claim(recoveryFolder_);
    if (!orphan) return false;
    ProfileResult<SiteProfile> copy = readProfileFile(orphan->file());
    if (!copy) {
        // Offering what cannot be restored would only puzzle the user.
        qCWarning(lcProfile).noquote()
            << "removed a recovery copy that cannot be read:"
            << textFromBytes(copy.error().message.english()) << textFromBytes(copy.error().detail);
        orphan->remove();
        return false;
    }
    const bool restored = prompts_.askToRestore(window_, tr(kRestoreQuestion));
    if (restored) {
        form_.replaceProfile(std::move(copy).value());
        // This instance's own copy holds the form before the old one goes.
        recovery_.writeNow();
    }
    orphan->remove();
    return restored;
}

}  // namespace tavimor
