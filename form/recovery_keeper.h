#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <filesystem>
#include <functional>

#include "profile/recovery_copy.h"
#include "profile/site_profile.h"

namespace tavimor {

// Keeps this instance's recovery copy in step with a form that has changes
// nobody saved: written a second after the first edit since the last write,
// so at most once a second however fast the user types, and on a thread of
// its own, so a slow disk never holds up typing; removed once the form is
// unchanged again. A failed write goes to the log; the form is not
// disturbed for it.
class RecoveryKeeper final : public QObject {
    Q_OBJECT

public:
    // The copy goes into `folder`; `currentForm` gives the form as it stands
    // and is called on the UI thread only.
    RecoveryKeeper(std::filesystem::path folder, std::function<SiteProfile()> currentForm,
                   QObject* parent = nullptr);
    // Waits for a write under way. A written copy stays, for the next start.
    ~RecoveryKeeper() override;

    // The form changed and differs from what was saved.
    void formEdited();

    // The form is as saved again, or its changes were discarded: the copy
    // goes, and nothing is written until the next edit.
    void formUnchanged();

    // Writes an edit not yet in the copy at once, and returns when it is on
    // disk: for when the process may end any moment.
    void writeNow();

private:
    void write();

    std::function<SiteProfile()> currentForm_;
    QTimer delay_;
    bool pending_ = false;  // an edit the copy does not hold yet
    // Declared before the pool, so that the pool, which uses it, goes first.
    RecoveryCopy copy_;
    bool failing_ = false;  // the last write failed; written on the pool only
    QThreadPool writer_;
};

}  // namespace tavimor
