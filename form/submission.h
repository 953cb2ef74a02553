#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>
#include <string>

#include "form/busy_scope.h"
#include "profile/site_profile.h"
#include "submit/registration.h"

class QWidget;
template <typename T>
class QFutureWatcher;

namespace tavimor {

class StopSignal;
class UserPrompts;

// One submission of the form at a time, without blocking the window: the
// exchange runs on a worker thread while the window repaints but takes no
// input but the stop button's, and the outcome's messages follow when it is
// over. The stop button, Escape, or the end of this object stop it at once.
class Submission final : public QObject {
    Q_OBJECT

public:
    // Messages are shown over `window`; `stopButton` stays usable while a
    // submission waits. Both outlive this.
    Submission(UserPrompts& prompts, QWidget* window, QWidget* stopButton,
               std::string registrationHost, QObject* parent = nullptr);
    // Stops a submission under way and waits for its worker, so no thread
    // outlives the window.
    ~Submission() override;

    // Sends `form`, each field as the text it reads as, in UTF-8. Nothing
    // when one is under way already.
    void start(const SiteProfile& form);

    // Stops the submission under way, if any, and says so.
    void stop();

    bool isRunning() const { return running_; }

    // The text captured from the last reply; emptied when one starts.
    const std::string& idCodeReply() const { return idCodeReply_; }

signals:
    // The service answered `sent` with an ID: emitted before the box that
    // shows it.
    void answeredWithId(const std::string& idCodeReply, const std::string& host,
                        const tavimor::SiteProfile& sent);
    // The outcome has been shown, or the stop reported.
    void finished();

private:
    void finish();

    UserPrompts& prompts_;
    QWidget* window_;
    QPointer<QWidget> stopButton_;
    std::string registrationHost_;
    std::string idCodeReply_;
    SiteProfile sent_;  // the form as the submission under way sends it
    bool running_ = false;
    std::optional<BusyScope> busy_;
    std::shared_ptr<StopSignal> stop_;
    QFutureWatcher<ExchangeResult>* worker_;
};

}  // namespace tavimor
