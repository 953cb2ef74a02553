#include "form/recovery_keeper.h"

#include <utility>

#include "dialog_engine/text.h"
#include "form/logging.h"

namespace tavimor {
namespace {

constexpr int kWriteDelayMs = 1000;

}  // namespace

RecoveryKeeper::RecoveryKeeper(std::filesystem::path folder,
                               std::function<SiteProfile()> currentForm, QObject* parent)
    : QObject(parent), currentForm_(std::move(currentForm)), copy_(std::move(folder)) {
    delay_.setSingleShot(true);
    delay_.setInterval(kWriteDelayMs);
    connect(&delay_, &QTimer::timeout, this, &RecoveryKeeper::write);
    // One thread, so writes and removals happen in the order asked for.
    writer_.setMaxThreadCount(1);
}

RecoveryKeeper::~RecoveryKeeper() { writer_.waitForDone(); }

void RecoveryKeeper::formEdited() {
    pending_ = true;
    // Not restarted by later edits: steady typing still gets written.
    if (!delay_.isActive()) delay_.start();
}

void RecoveryKeeper::formUnchanged() {
    delay_.stop();
    pending_ = false;
    writer_.start([this] { copy_.remove(); });
}

void RecoveryKeeper::writeNow() {
    if (pending_) write();
    writer_.waitForDone();
}

void RecoveryKeeper::write() {
    delay_.stop();
    pending_ = false;
    writer_.start([this, form = currentForm_()] {
        const std::optional<ProfileFileError> failure = copy_.write(form);
        // Once per run of failures: the next edit would only say it again.
        if (failure && !failing_) {
            qCWarning(lcProfile).noquote()
                << "the recovery copy could not be written:" << textFromBytes(failure->message.english())
                << textFromBytes(failure->detail);
        }
        failing_ = failure.has_value();
    });
}

}  // namespace tavimor
