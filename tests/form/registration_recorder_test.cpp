// Keeping a registration: the row off the UI thread, then the password in a
// real Secret Service (tests/support/with-private-keyring).
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "form/registration_recorder.h"
#include "keyring_test_support.h"
#include "profile_samples.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;

// The row is written with everything but the password, the keyring gets the
// password under the registration's own name, and the row then says so;
// nothing is for the user to hear.
TEST(RegistrationRecorder, KeepsTheRowThenThePasswordInTheKeyring) {
    ASSERT_PRIVATE_KEYRING("secret-service");
    const QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString() + "/Tavimor";
    PasswordKeeper keeper;
    RegistrationRecorder recorder(folder, keeper);
    QSignalSpy notices(&recorder, &RegistrationRecorder::notice);
    QSignalSpy kept(&recorder, &RegistrationRecorder::registrationKept);
    QSignalSpy answered(&recorder, &RegistrationRecorder::passwordAnswered);

    SiteProfile sent = startProfile();
    sent.site_URL = "https://www.example.org/";
    sent.password = "pw-1234567";
    recorder.keep("You are welcome. Your ID Code is : 48213 ", "registration.tavimor.example",
                  sent);
    recorder.releaseNotices();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.count() == 1; }, 10000));
    EXPECT_EQ(kept.count(), 1);
    EXPECT_EQ(answered.first().at(0), kept.first().at(0));
    EXPECT_TRUE(answered.first().at(1).toBool());
    EXPECT_TRUE(notices.isEmpty());

    StoreResult<std::vector<Registration>> rows = RegistrationStore::open(folder).value().list();
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows.value().size(), 1u);
    const Registration& row = rows.value().front();
    EXPECT_EQ(row.idCode, "48213");
    EXPECT_EQ(row.idText, "You are welcome. Your ID Code is : 48213 ");
    EXPECT_EQ(row.host, "registration.tavimor.example");
    EXPECT_TRUE(row.passwordKept);
    sent.password.clear();
    EXPECT_EQ(row.form, sent);
    EXPECT_EQ(secretServiceHolds(qs(passwordEntryName(row))), "pw-1234567");
    EXPECT_TRUE(
        qs(passwordEntryName(row)).startsWith("Tavimor: https://www.example.org/ (ID 48213, "));
}

}  // namespace
}  // namespace tavimor
