#pragma once

// What the tests of the keyring and the record of registrations share. They
// run only under tests/support/with-private-keyring, which gives them a
// keyring of their own (or none): they refuse to run anywhere else, so that
// they never write into a user's own keyring.

#include <QObject>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include "form/password_keeper.h"

namespace tavimor::testing_support {

// "secret-service" or "none", as with-private-keyring set it; empty outside.
inline QByteArray privateKeyring() { return qgetenv("TAVIMOR_TEST_KEYRING"); }

#define ASSERT_PRIVATE_KEYRING(kind)                                                     \
    ASSERT_EQ(::tavimor::testing_support::privateKeyring(), QByteArray(kind))            \
        << "run through tests/support/with-private-keyring (ctest does), never against " \
           "a desktop's own keyring"

// The keeper's answer to one call, waited for; nothing when none came within
// ten seconds (the keyring hangs).
inline std::optional<KeyringAnswer> answerTo(
    const std::function<void(QObject*, PasswordKeeper::Answered)>& call) {
    QObject context;
    std::optional<KeyringAnswer> answer;
    call(&context, [&answer](const KeyringAnswer& given) { answer = given; });
    (void)QTest::qWaitFor([&] { return answer.has_value(); }, 10000);
    return answer;
}

// What the Secret Service holds under `name` for Tavimor, asked of it by
// another program than ours; nothing when it holds nothing.
inline std::optional<QString> secretServiceHolds(const QString& name) {
    QProcess lookup;
    lookup.start(QStringLiteral("secret-tool"),
                 {QStringLiteral("lookup"), QStringLiteral("server"),
                  QString::fromLatin1(PasswordKeeper::kService), QStringLiteral("user"), name});
    if (!lookup.waitForFinished(10000) || lookup.exitCode() != 0) return std::nullopt;
    return QString::fromUtf8(lookup.readAllStandardOutput());
}

}  // namespace tavimor::testing_support
