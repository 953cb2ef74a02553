#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "profile/site_profile.h"
#include "registrations/registration_store.h"

namespace tavimor {

class PasswordKeeper;

// Keeps the registrations that submissions give: the row in the record, on a
// thread of its own so that the window never waits on the disk, then the
// password in the keyring, whose answer the row records once it comes.
//
// What the user must be told (the registration could not be kept; the
// record was damaged and moved aside) comes as notice(), and not before
// releaseNotices(): the success box with the ID code is shown first, the
// notice after it.
class RegistrationRecorder final : public QObject {
    Q_OBJECT

public:
    // The record is opened in `folder` at the first registration.
    RegistrationRecorder(std::filesystem::path folder, PasswordKeeper& keeper,
                         QObject* parent = nullptr);
    // Waits for a write under way; a keyring answer still to come is lost,
    // and the row keeps saying "not kept".
    ~RegistrationRecorder() override;

    // Starts keeping what a submission gave: `idCodeReply`, the ID text the
    // reply capture took (not empty), `host`, where it was sent, and `sent`,
    // the form as sent. Returns at once; notices are held from now until
    // releaseNotices().
    void keep(std::string idCodeReply, std::string host, const SiteProfile& sent);

    // Emits the notices that are waiting, and from now on each as it comes.
    void releaseNotices();

    // Returns once every write asked for so far is done (for quitting, and
    // for tests; the keyring may still answer later).
    void waitForWrites();

    static QString notKeptMessage(const QString& reason);

signals:
    // A sentence for the user, to be shown once.
    void notice(const QString& text);
    // The row `id` is written.
    void registrationKept(qint64 id);
    // The keyring answered for the row `id`, and the row says so.
    void passwordAnswered(qint64 id, bool kept);

private:
    struct Written {
        std::optional<std::int64_t> id;
        QString failure;     // why not, when there is no id
        QString movedAside;  // a damaged record that this opening moved aside
    };
    Written write(const Registration& registration);
    void written(const Written& result, const QString& entryName, const QString& password);
    void tell(const QString& text);

    std::filesystem::path folder_;
    PasswordKeeper& keeper_;
    bool holding_ = false;
    QStringList held_;
    // Used on the writer's thread only. Declared before the pool, so that the
    // pool, which uses it, goes first.
    std::optional<RegistrationStore> store_;
    QThreadPool writer_;
};

}  // namespace tavimor
