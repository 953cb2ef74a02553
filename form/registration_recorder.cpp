#include "form/registration_recorder.h"

#include <QMetaObject>

#include <chrono>
#include <utility>

#include "dialog_engine/text.h"
#include "form/password_keeper.h"
#include "form/logging.h"
#include "registrations/registration.h"

namespace tavimor {
namespace {

QString fromSystem(const std::string& text) { return QString::fromLocal8Bit(text); }

}  // namespace

RegistrationRecorder::RegistrationRecorder(std::filesystem::path folder, PasswordKeeper& keeper,
                                           QObject* parent)
    : QObject(parent), folder_(std::move(folder)), keeper_(keeper) {
    // One thread, so that rows are written in the order they were kept and
    // the store is never used by two threads at once.
    writer_.setMaxThreadCount(1);
}

RegistrationRecorder::~RegistrationRecorder() { writer_.waitForDone(); }

QString RegistrationRecorder::notKeptMessage(const QString& reason) {
    return tr("The registration could not be kept: %1. Please write your ID code and password "
              "down.")
        .arg(reason);
}

void RegistrationRecorder::keep(std::string idCodeReply, std::string host,
                                const SiteProfile& sent) {
    holding_ = true;
    Registration registration = makeRegistration(std::move(idCodeReply), std::move(host), sent,
                                                 std::chrono::system_clock::now());
    const QString name = textFromBytes(passwordEntryName(registration));
    const QString password = textFromBytes(sent.password);
    writer_.start([this, registration = std::move(registration), name, password] {
        const Written result = write(registration);
        // Back on the UI thread; dropped if the recorder is gone by then.
        QMetaObject::invokeMethod(
            this, [this, result, name, password] { written(result, name, password); },
            Qt::QueuedConnection);
    });
}

RegistrationRecorder::Written RegistrationRecorder::write(const Registration& registration) {
    Written result;
    if (!store_) {
        StoreResult<RegistrationStore> opened = RegistrationStore::open(folder_);
        if (!opened) {
            result.failure = fromSystem(opened.error().reason);
            return result;
        }
        store_.emplace(std::move(opened).value());
        result.movedAside = fromSystem(store_->damagedFileMovedTo().string());
    }
    const StoreResult<std::int64_t> id = store_->add(registration);
    if (id) {
        result.id = id.value();
    } else {
        result.failure = fromSystem(id.error().reason);
    }
    return result;
}

void RegistrationRecorder::written(const Written& result, const QString& entryName,
                                   const QString& password) {
    if (!result.movedAside.isEmpty()) {
        qCWarning(lcRegistrations).noquote()
            << "the record of registrations was damaged and moved aside to" << result.movedAside;
        tell(tr("The record of registrations was damaged. It was moved aside to %1, and a new "
                "record was started.")
                 .arg(result.movedAside));
    }
    if (!result.id) {
        qCWarning(lcRegistrations).noquote()
            << "a registration could not be kept:" << result.failure;
        tell(notKeptMessage(result.failure));
        return;
    }
    const std::int64_t id = *result.id;
    emit registrationKept(id);
    keeper_.store(entryName, password, this, [this, id](const KeyringAnswer& answer) {
        if (!answer.done()) {
            // The row already says "not kept"; nothing to write.
            qCInfo(lcRegistrations).noquote() << "the password of registration" << id
                                              << "is not in the keyring:" << answer.reason;
            emit passwordAnswered(id, false);
            return;
        }
        writer_.start([this, id] {
            const std::optional<StoreError> error = store_->markPasswordKept(id, true);
            QMetaObject::invokeMethod(
                this,
                [this, id, failed = error ? fromSystem(error->reason) : QString()] {
                    if (!failed.isEmpty()) {
                        qCWarning(lcRegistrations).noquote()
                            << "the record could not note that the keyring holds the password of "
                               "registration"
                            << id << ":" << failed;
                    }
                    emit passwordAnswered(id, failed.isEmpty());
                },
                Qt::QueuedConnection);
        });
    });
}

void RegistrationRecorder::tell(const QString& text) {
    if (holding_) {
        held_.append(text);
    } else {
        emit notice(text);
    }
}

void RegistrationRecorder::releaseNotices() {
    holding_ = false;
    const QStringList waiting = std::exchange(held_, {});
    for (const QString& text : waiting) emit notice(text);
}

void RegistrationRecorder::waitForWrites() { writer_.waitForDone(); }

}  // namespace tavimor
