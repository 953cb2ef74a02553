// The keeper against a real Secret Service: GNOME's keyring daemon on a
// private bus (tests/support/with-private-keyring).
#include <gtest/gtest.h>

#include "keyring_test_support.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;
using Outcome = KeyringAnswer::Outcome;

// One entry per name, under the service "Tavimor", holding the password
// exactly (the Secret Service's own client reads the same), replaced by a
// second store under the same name, gone after remove while others stay.
TEST(Keyring, StoresReadsAndRemovesOneEntryPerName) {
    ASSERT_PRIVATE_KEYRING("secret-service");
    PasswordKeeper keeper;
    const QString first = "Tavimor: https://www.example.org/ (ID 48213, 2026-12-07T23:05:07+01:00)";
    const QString second =
        "Tavimor: https://www.example.org/ (ID 48214, 2026-12-08T09:00:00+01:00)";
    const QString password = QString::fromUtf8("pässwörd \"1\" & <2>");

    for (const auto& [name, secret] :
         {std::pair{first, QString("replaced soon")}, std::pair{second, QString("other")},
          std::pair{first, password}}) {
        const auto stored =
            answerTo([&, name = name, secret = secret](QObject* context, auto done) {
                keeper.store(name, secret, context, done);
            });
        ASSERT_TRUE(stored && stored->done()) << (stored ? stored->reason.toStdString() : "hung");
    }
    EXPECT_EQ(secretServiceHolds(first), password);
    EXPECT_EQ(secretServiceHolds(second), "other");

    QObject context;
    std::optional<std::pair<KeyringAnswer, QString>> read;
    keeper.read(first, &context, [&read](const KeyringAnswer& answer, const QString& secret) {
        read = {answer, secret};
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return read.has_value(); }, 10000));
    EXPECT_TRUE(read->first.done());
    EXPECT_EQ(read->second, password);

    const auto removed =
        answerTo([&](QObject* context, auto done) { keeper.remove(first, context, done); });
    ASSERT_TRUE(removed && removed->done());
    EXPECT_EQ(secretServiceHolds(first), std::nullopt);
    EXPECT_EQ(secretServiceHolds(second), "other");

    read.reset();
    keeper.read(first, &context, [&read](const KeyringAnswer& answer, const QString& secret) {
        read = {answer, secret};
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return read.has_value(); }, 10000));
    EXPECT_EQ(read->first.outcome, Outcome::NotFound);
    EXPECT_EQ(read->second, "");
}

}  // namespace
}  // namespace tavimor
