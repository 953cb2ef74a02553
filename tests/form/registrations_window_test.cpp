// The Registrations window over a real record in a scratch folder, with a
// real Secret Service behind Copy Password and Remove
// (tests/support/with-private-keyring).
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

#include <gtest/gtest.h>

#include "dialog_engine/text.h"
#include "form/registrations_model.h"
#include "form/registrations_window.h"
#include "keyring_test_support.h"
#include "qt_test_support.h"
#include "registration_samples.h"
#include "registrations/registration_text.h"

namespace tavimor {
namespace {

using namespace testing_support;

class RegistrationsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        StoreResult<RegistrationStore> opened = RegistrationStore::open(scratch.path());
        ASSERT_TRUE(opened) << opened.error().reason;
        store.emplace(std::move(opened).value());
        // Kept in an order unlike their times: 2 is the newest, 3 the oldest.
        for (const auto& [n, at] :
             {std::pair{1, "2026-12-07T10:00:00+01:00"}, std::pair{2, "2026-12-07T12:00:00+01:00"},
              std::pair{3, "2026-12-06T09:00:00+01:00"}}) {
            Registration registration = sampleRegistration(n, at);
            const StoreResult<std::int64_t> id = store->add(registration);
            ASSERT_TRUE(id);
            registration.id = id.value();
            kept.push_back(registration);
        }
    }

    QPushButton* button(RegistrationsWindow& window, const char* name) {
        return window.findChild<QPushButton*>(name);
    }

    void storePassword(const Registration& registration, const QString& password) {
        const auto answer = answerTo([&](QObject* context, auto done) {
            keeper.store(qs(passwordEntryName(registration)), password, context, done);
        });
        ASSERT_TRUE(answer && answer->done());
    }

    QStringList codesShown(const RegistrationsWindow& window) {
        QStringList codes;
        const QAbstractItemModel* model = window.table()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            codes << model->index(row, RegistrationsModel::IdCode).data().toString();
        }
        return codes;
    }

    ScratchFolder scratch;
    std::optional<RegistrationStore> store;
    std::vector<Registration> kept;
    PasswordKeeper keeper;
    RecordingPrompts prompts;
};

// Newest first, the newest chosen; Ctrl+C and Copy ID Code put the chosen
// row's code on the clipboard; Load This Form hands over the form as sent;
// a registration kept while the window is open shows after reload, the
// chosen row staying chosen.
TEST_F(RegistrationsWindowTest, ListsNewestFirstCopiesTheCodeAndHandsOverTheForm) {
    RegistrationsWindow window(*store, keeper, prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(codesShown(window), (QStringList{"48002", "48001", "48003"}));
    const QAbstractItemModel* model = window.table()->model();
    EXPECT_EQ(model->index(0, RegistrationsModel::Date).data().toString(), "2026-12-07 12:00:00");
    EXPECT_EQ(model->index(0, RegistrationsModel::SiteUrl).data().toString(),
              "https://www.example.org/2");
    EXPECT_EQ(model->index(0, RegistrationsModel::Email).data().toString(), "ann2@example.org");
    EXPECT_EQ(model->index(0, RegistrationsModel::Password).data().toString(), "not kept");

    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window.table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "48002");
    QTest::keyClick(window.table(), Qt::Key_Down);
    QTest::keyClick(window.table(), Qt::Key_Down);
    QTest::mouseClick(button(window, "copy_id_code_button"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "48003");

    std::vector<SiteProfile> loaded;
    QObject::connect(&window, &RegistrationsWindow::loadRequested,
                     [&loaded](const SiteProfile& form) { loaded.push_back(form); });
    // A mnemonic clicks the button as a user would see it pressed: a moment later.
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loaded.empty(); }, 2000));
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0], kept[2].form);

    ASSERT_TRUE(store->add(sampleRegistration(4, "2026-12-08T08:00:00+01:00")));
    window.reload();
    EXPECT_EQ(codesShown(window), (QStringList{"48004", "48002", "48001", "48003"}));
    EXPECT_EQ(window.table()->currentIndex().row(), 3);
    EXPECT_TRUE(prompts.messages.empty());
}

// The password goes from the keyring to the clipboard and nowhere on screen;
// one the keyring does not hold is a message saying so.
TEST_F(RegistrationsWindowTest, CopyPasswordReadsTheKeyringAndShowsItNowhere) {
    ASSERT_PRIVATE_KEYRING("secret-service");
    storePassword(kept[1], "pw-of-two");
    RegistrationsWindow window(*store, keeper, prompts);
    window.show();
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(button(window, "copy_password_button"), Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([] { return !QGuiApplication::clipboard()->text().isEmpty(); }, 10000));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "pw-of-two");
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("pw-of-two"));
    }
    const QAbstractItemModel* model = window.table()->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        EXPECT_FALSE(model->index(0, column).data().toString().contains("pw-of-two"));
    }

    window.table()->setCurrentIndex(model->index(1, 0));  // 48001: nothing in the keyring
    QTest::mouseClick(button(window, "copy_password_button"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.messages.empty(); }, 10000));
    EXPECT_EQ(prompts.messages.back(),
              "The password could not be copied: the keyring holds no such entry.");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "pw-of-two");
}

// Remove asks first; No keeps everything; Yes (here by the Delete key) takes
// the row out of the window and the record, and its keyring entry with it,
// leaving the others' entries.
TEST_F(RegistrationsWindowTest, RemoveAsksThenTakesTheKeyringEntryToo) {
    ASSERT_PRIVATE_KEYRING("secret-service");
    storePassword(kept[1], "pw-of-two");
    storePassword(kept[0], "pw-of-one");
    const QString entry = qs(passwordEntryName(kept[1]));
    RegistrationsWindow window(*store, keeper, prompts);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    prompts.answers = {false};
    QTest::mouseClick(button(window, "remove_button"), Qt::LeftButton);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0],
              "Remove the registration of Site 2 (ID code 48002) from the record? Its password is "
              "removed from the keyring too.");
    EXPECT_EQ(codesShown(window).size(), 3);
    EXPECT_EQ(store->list().value().size(), 3u);

    prompts.answers = {true};
    window.table()->setFocus();
    QTest::keyClick(window.table(), Qt::Key_Delete);
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(codesShown(window), (QStringList{"48001", "48003"}));
    EXPECT_EQ(store->list().value().size(), 2u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !secretServiceHolds(entry); }, 10000));
    EXPECT_EQ(secretServiceHolds(qs(passwordEntryName(kept[0]))), "pw-of-one");
    EXPECT_EQ(window.table()->currentIndex().row(), 0);
    EXPECT_TRUE(prompts.messages.empty());
}

// Export writes every registration as the CSV of the record, in UTF-8 (an ID
// text the service sent in another charset too), through the save prompt;
// cancelling the prompt writes nothing.
TEST_F(RegistrationsWindowTest, ExportWritesTheCsvOfEveryRegistration) {
    Registration accented = sampleRegistration(5, "2026-12-09T08:00:00+01:00");
    accented.idText = "Your ID Code is : 48005 \xE9t\xE9";  // Windows-1252
    ASSERT_TRUE(store->add(accented));
    RegistrationsWindow window(*store, keeper, prompts);
    const QString file = QString::fromStdString((scratch.path() / "out.csv").string());

    QTest::mouseClick(button(window, "export_button"), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(file));
    prompts.filesToPick = {file};
    QTest::mouseClick(button(window, "export_button"), Qt::LeftButton);
    ASSERT_EQ(prompts.fileDialogs.size(), 2u);
    EXPECT_EQ(prompts.fileDialogs[1].filterLabel, "CSV files (*.csv)");
    std::vector<Registration> expected = store->list().value();
    for (Registration& registration : expected) registration = shownAsUtf8(registration);
    const std::string written = bytesOf(file);
    EXPECT_EQ(written, registrationsCsv(expected));
    EXPECT_NE(written.find("Your ID Code is : 48005 \xC3\xA9t\xC3\xA9,"), std::string::npos);
    EXPECT_EQ(window.findChild<QLabel*>("registrations_status")->text(),
              "The registrations were exported to " + file + ".");
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace tavimor
