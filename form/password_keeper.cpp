#include "form/password_keeper.h"

#include <QObject>

#include <qt6keychain/keychain.h>

#include <utility>

namespace tavimor {
namespace {

KeyringAnswer answerOf(const QKeychain::Job& job) {
    KeyringAnswer answer;
    const QString words = job.errorString();
    switch (job.error()) {
    case QKeychain::NoError:
        answer.outcome = KeyringAnswer::Outcome::Done;
        return answer;
    case QKeychain::EntryNotFound:
        answer.outcome = KeyringAnswer::Outcome::NotFound;
        answer.reason = QStringLiteral("the keyring holds no such entry");
        return answer;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        answer.outcome = KeyringAnswer::Outcome::NoKeyring;
        answer.reason = QStringLiteral("no keyring is available on this desktop");
        return answer;
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        answer.outcome = KeyringAnswer::Outcome::Refused;
        answer.reason = QStringLiteral("the keyring refused access");
        break;
    case QKeychain::CouldNotDeleteEntry:
    case QKeychain::OtherError:
        answer.outcome = KeyringAnswer::Outcome::Failed;
        answer.reason = QStringLiteral("the keyring failed");
        break;
    }
    // The library's own words, when it has any; they name the keyring's
    // fault, never the password.
    if (!words.isEmpty()) answer.reason += QStringLiteral(" (") + words + u')';
    return answer;
}

template <class Job>
Job* makeJob(const QString& service, const QString& name) {
    // Not parented: a job deleted before its answer would leave the keyring
    // library calling back into freed memory. It deletes itself once it has
    // answered.
    auto* job = new Job(service);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(name);
    return job;
}

}  // namespace

PasswordKeeper::PasswordKeeper(QString service) : service_(std::move(service)) {}

void PasswordKeeper::store(const QString& name, const QString& password, QObject* context,
                           Answered done) {
    auto* job = makeJob<QKeychain::WritePasswordJob>(service_, name);
    job->setTextData(password);
    QObject::connect(
        job, &QKeychain::Job::finished, context,
        [done = std::move(done)](QKeychain::Job* finished) { done(answerOf(*finished)); });
    job->start();
}

void PasswordKeeper::read(const QString& name, QObject* context, PasswordRead done) {
    auto* job = makeJob<QKeychain::ReadPasswordJob>(service_, name);
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [done = std::move(done), job](QKeychain::Job*) {
                         const KeyringAnswer answer = answerOf(*job);
                         done(answer, answer.done() ? job->textData() : QString());
                     });
    job->start();
}

void PasswordKeeper::remove(const QString& name, QObject* context, Answered done) {
    auto* job = makeJob<QKeychain::DeletePasswordJob>(service_, name);
    QObject::connect(
        job, &QKeychain::Job::finished, context,
        [done = std::move(done)](QKeychain::Job* finished) { done(answerOf(*finished)); });
    job->start();
}

}  // namespace tavimor
