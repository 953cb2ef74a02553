#include "form/submission.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

#include "dialog_engine/text.h"
#include "dialog_engine/translated_text.h"
#include "form/logging.h"
#include "form/user_prompts.h"
#include "profile/profile_fields.h"
#include "submit/stop_signal.h"

namespace tavimor {

Submission::Submission(UserPrompts& prompts, QWidget* window, QWidget* stopButton,
                       std::string registrationHost, QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      window_(window),
      stopButton_(stopButton),
      registrationHost_(std::move(registrationHost)),
      worker_(new QFutureWatcher<ExchangeResult>(this)) {
    connect(worker_, &QFutureWatcher<ExchangeResult>::finished, this, &Submission::finish);
}

Submission::~Submission() {
    // Ended with a submission under way (the application quitting): the
    // worker is stopped and waited for, and nothing more is shown.
    if (running_) {
        stop_->stop();
        worker_->waitForFinished();
    }
}

void Submission::start(const SiteProfile& form) {
    if (running_) return;
    // Emptied first, so no earlier submission's capture can show up in this
    // one's message, whatever happens below.
    idCodeReply_.clear();
    SiteProfile sent = form;
    for (const ProfileField& field : kProfileFields) {
        sent.*field.member = shownTextAsUtf8(sent.*field.member);
    }
    sent_ = sent;
    running_ = true;
    stop_ = std::make_shared<StopSignal>();
    busy_.emplace(stopButton_, [this] { stop(); });
    // The exchange blocks for as long as the service takes; on a worker
    // thread it leaves this one free to repaint, while the busy scope keeps
    // every key and click but the stop button's away from the form until the
    // answer is shown.
    worker_->setFuture(
        QtConcurrent::run([sent = std::move(sent), host = registrationHost_, stop = stop_] {
            return RunRegistrationExchange(sent, host, {}, stop.get());
        }));
}

void Submission::stop() {
    if (!running_) return;
    stop_->stop();
    // The exchange notices at once, so the wait is short.
    worker_->waitForFinished();
    finish();
}

void Submission::finish() {
    // Already reported when it was stopped; the watcher's own signal may
    // come later, even after the next submission has started.
    if (!running_ || !worker_->isFinished()) return;
    ExchangeResult result;
    try {
        result = worker_->result();
    } catch (...) {
        // The worker ended in an exception the exchange could not turn into
        // a result (such as running out of memory): the user gets the usual
        // failure messages rather than none.
        result = ExchangeResult{};
        result.failed = true;
        result.errorDetail = "the exchange ended in an unexpected error";
    }
    busy_.reset();
    running_ = false;
    idCodeReply_ = result.idCodeReply;
    if (result.failed) {
        qCWarning(lcSubmit).noquote() << "the exchange with" << textFromBytes(registrationHost_)
                                      << "failed:" << textFromBytes(result.errorDetail);
    } else if (result.idCodeReply.empty()) {
        qCWarning(lcSubmit) << "the service's reply held no line with the ID code";
    }
    if (!result.stopped && !result.idCodeReply.empty()) {
        emit answeredWithId(result.idCodeReply, registrationHost_, sent_);
    }
    sent_ = {};
    ReportRegistrationOutcome(result, [this](const TranslatableText& text) {
        prompts_.showMessage(window_, translated(text));
    });
    emit finished();
}

}  // namespace tavimor
