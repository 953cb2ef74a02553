// A desktop without a keyring: a private bus with no Secret Service on it
// (tests/support/with-private-keyring --no-secret-service).
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "form/registration_recorder.h"
#include "keyring_test_support.h"
#include "profile_samples.h"
#include "qt_test_support.h"
#include "registration_samples.h"

namespace tavimor {
namespace {

using namespace testing_support;

// Every call answers, soon (answerTo waits no longer), that nothing was done, and nothing is
// written anywhere instead (no plain-text fallback among the settings). A registration is kept all
// the same, its row saying "not kept"; the user hears nothing beyond the success box, which asks to
// write the password down; the log says why, without the password.
TEST(NoKeyring, AnswersAtOnceAndTheRegistrationIsKeptWithoutItsPassword) {
    ASSERT_PRIVATE_KEYRING("none");
    PasswordKeeper keeper;
    const QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    RegistrationRecorder recorder(folder, keeper);
    QSignalSpy notices(&recorder, &RegistrationRecorder::notice);
    QSignalSpy answered(&recorder, &RegistrationRecorder::passwordAnswered);
    const LogRecorder log("tavimor");
    SiteProfile sent = startProfile();
    sent.password = "pw-1234567";
    recorder.keep("Your ID Code is : 9", "host", sent);
    recorder.releaseNotices();
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.count() == 1; }, 5000));
    EXPECT_FALSE(answered.first().at(1).toBool());
    EXPECT_TRUE(notices.isEmpty());
    const StoreResult<std::vector<RegistrationSummary>> rows = RegistrationStore::readOnly(folder);
    ASSERT_TRUE(rows && rows.value().size() == 1u);
    EXPECT_EQ(rows.value()[0].idCode, "9");
    EXPECT_FALSE(rows.value()[0].passwordKept);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_FALSE(log.lines[0].contains("pw-1234567")) << log.lines[0].toStdString();
    const QDir settings(qEnvironmentVariable("XDG_CONFIG_HOME"));
    EXPECT_TRUE(settings.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty())
        << settings.entryList().join(' ').toStdString();
}

// What the user must hear waits until the success box is gone: a damaged
// record moved aside (the registration then kept in a new one). Once
// released, a notice comes as soon as there is one, and each comes once.
// (One that could not be kept at all: the dialog's own test.)
TEST(RegistrationRecorder, ToldOnlyOnceTheSuccessBoxIsGone) {
    const QTemporaryDir scratch;
    const std::filesystem::path folder = scratch.path().toStdString();
    writeBytes(qs((folder / "registrations.db").string()), std::string(4096, 'x'));
    PasswordKeeper keeper;
    {
        RegistrationRecorder recorder(folder, keeper);
        QSignalSpy notices(&recorder, &RegistrationRecorder::notice);
        QSignalSpy kept(&recorder, &RegistrationRecorder::registrationKept);
        recorder.keep("Your ID Code is : 1", "host", startProfile());
        ASSERT_TRUE(QTest::qWaitFor([&] { return kept.count() == 1; }, 10000));
        EXPECT_TRUE(notices.isEmpty());
        recorder.releaseNotices();
        ASSERT_EQ(notices.count(), 1);
        EXPECT_TRUE(notices[0][0].toString().startsWith(
            "The record of registrations was damaged. It was moved aside to " +
            qs(folder.string()) + "/registrations.db.damaged-"));
        recorder.keep("Your ID Code is : 2", "host", startProfile());
        recorder.releaseNotices();
        ASSERT_TRUE(QTest::qWaitFor([&] { return kept.count() == 2; }, 10000));
        QTest::qWait(20);
        EXPECT_EQ(notices.count(), 1);
    }
}

}  // namespace
}  // namespace tavimor
