#pragma once

#include <QString>

#include <functional>

class QObject;

namespace tavimor {

// What the desktop's keyring answered.
struct KeyringAnswer {
    enum class Outcome {
        Done,
        NotFound,   // no entry of that name
        NoKeyring,  // the desktop offers none: a normal answer, not a fault
        Refused,    // locked, or access denied
        Failed,
    };
    Outcome outcome = Outcome::Failed;
    QString reason;  // empty when done; else a short clause a person can read

    bool done() const { return outcome == Outcome::Done; }
};

// Keeps passwords in the desktop's keyring (the Secret Service, or whatever
// QtKeychain finds), one entry per name, and nowhere else: its insecure
// fallback to a plain settings file is off, so with no keyring a password is
// not kept at all. Every call returns at once; the answer comes later from
// the event loop on the calling thread, to `done`, unless `context` is gone by
// then. A keyring that asks the user to unlock it may take as long as the
// user does. Passwords never reach the log.
class PasswordKeeper {
public:
    static constexpr const char* kService = "Tavimor";

    using Answered = std::function<void(const KeyringAnswer&)>;
    using PasswordRead = std::function<void(const KeyringAnswer&, const QString& password)>;

    // Entries are filed under `service`, which the keyring shows as their
    // label; a name tells them apart.
    explicit PasswordKeeper(QString service = QString::fromLatin1(kService));

    // Adds or replaces the entry `name`.
    void store(const QString& name, const QString& password, QObject* context, Answered done);
    void read(const QString& name, QObject* context, PasswordRead done);
    void remove(const QString& name, QObject* context, Answered done);

private:
    QString service_;
};

}  // namespace tavimor
