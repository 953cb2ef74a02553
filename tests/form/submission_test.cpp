#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "qt_test_support.h"
#include "registrations/registration_store.h"
#include "res/form_fields.h"
#include "standin_service.h"
#include "submit/form_body.h"

namespace tavimor {
namespace {

using namespace testing_support;

standin::Scenario answering(standin::Scenario::Delivery delivery) {
    standin::Scenario scenario;
    scenario.page = standin::idPage();
    scenario.delivery = delivery;
    scenario.pieceSize = 8;  // a slow reply trickles in over about a second
    scenario.pause = std::chrono::milliseconds(60);
    return scenario;
}

class Submission : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.listening());
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    standin::StandinService service{answering(standin::Scenario::Delivery::Whole)};
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), service.hostAndPort()};
};

// Filled on four pages, a colour picked from its list, and sent from the
// Welcome page: the service gets every page's values, the names as codes, and
// the ID code shows. A second submission that breaks off says so, and the
// log has the HTTP client's words for it.
TEST_F(Submission, SendsEveryPageShowsTheIdCodeAndLogsAFailure) {
    using enum ControlId;
    for (const auto& [id, text] : {std::pair{NameEdit, "Ann & Bob"},
                                   {PasswordEdit, "p=1+2%"},
                                   {SiteTypeCombo, "Html Support"},
                                   {Link1TitleEdit, "My blog"},
                                   {KeywordEdit, "cheap flights"}}) {
        setControlText(dialog, id, text);
    }
    auto* active = controlAs<QComboBox>(dialog, ActiveLinkColourCombo);
    active->setCurrentIndex(active->findText("Red"));
    prompts.answers = {true, true, true, true};  // sent anyway: the link has no address
    ASSERT_TRUE(submitAndWait(dialog));

    const std::vector<standin::RecordedRequest> requests = service.requests();
    ASSERT_EQ(requests.size(), 1u);
    using Form = std::map<std::string, std::string>;
    const auto& pairs = requests[0].formPairsInOrder;
    const Form expected = {{"user_name", "Ann & Bob"},  {"password", "p=1+2%"},
                           {"link1_title", "My blog"},  {"link1_url", "http://"},
                           {"query2", "cheap flights"}, {"category", "1017"},
                           {"alink_colour", "#FF0000"}, {"category_num", "none"}};
    EXPECT_THAT(Form(pairs.begin(), pairs.end()), testing::IsSupersetOf(expected));
    ASSERT_EQ(prompts.messages.size(), 1u);  // the reminder's words are the exchange's own test's
    EXPECT_TRUE(prompts.messages[0].startsWith("Your ID Code is : 48213 \nYou will be receiving"));
    // Submit neither moves the page nor shows or hides anything.
    EXPECT_EQ(tabBarOf(dialog)->currentIndex(), 0);
    EXPECT_EQ(visiblePageControls(dialog), pageControls(0));
    // The registration is kept (its fields: the recorder's own tests).
    auto record = RegistrationStore::open(testFolders().registrations);
    ASSERT_TRUE(record);
    StoreResult<std::vector<Registration>> kept = record.value().list();
    ASSERT_TRUE(QTest::qWaitFor([&] {  // kept in the background
        kept = record.value().list();
        return kept && kept.value().size() == 1u;
    }));
    EXPECT_EQ(kept.value()[0].idCode, "48213");

    standin::Scenario cut;
    ASSERT_TRUE(standin::namedScenario("cut", cut));
    service.setScenario(cut);
    LogRecorder log("tavimor.submit");
    ASSERT_TRUE(submitAndWait(dialog));
    ASSERT_EQ(prompts.messages.size(), 3u);
    EXPECT_EQ(prompts.messages[1], "Error Connecting....Please try again!");
    standin::Scenario noMarker;
    ASSERT_TRUE(standin::namedScenario("no-marker", noMarker));
    service.setScenario(noMarker);
    ASSERT_TRUE(submitAndWait(dialog));
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_TRUE(
        log.lines[0].startsWith(qs("the exchange with " + service.hostAndPort() + " failed: ")) &&
        log.lines[0].size() > 60)
        << log.lines[0].toStdString();
    EXPECT_EQ(log.lines[1], "the service's reply held no line with the ID code");
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(Submission, WhileTheServiceIsSlowTheDialogRepaintsButTakesNoInput) {
    service.setScenario(answering(standin::Scenario::Delivery::Slow));
    auto* name = controlAs<QLineEdit>(dialog, ControlId::NameEdit);
    typeInto(name, "before");

    PaintCounter counter;
    dialog.installEventFilter(&counter);
    bool waiting = false;
    bool waitCursor = false;
    bool stayedOpen = false;
    QTimer::singleShot(100, &dialog, [&] {
        waiting = isSubmitting(dialog);
        waitCursor = QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        counter.paints = 0;
        dialog.update();
        // Everything a user might try while waiting, but stopping.
        QTest::mouseClick(control(dialog, ControlId::SubmitButton), Qt::LeftButton);
        dialog.OnSubmit();
        QTest::keyClicks(name, "after");
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                          control(dialog, ControlId::LoadButton)->geometry().center());
        stayedOpen = dialog.isVisible();
    });

    ASSERT_TRUE(submitAndWait(dialog));
    dialog.removeEventFilter(&counter);

    EXPECT_TRUE(waiting) << "the timer must fire while the request is pending";
    EXPECT_TRUE(waitCursor);
    EXPECT_TRUE(stayedOpen);
    EXPECT_GT(counter.paints, 0) << "the dialog stopped repainting";
    EXPECT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(name->text(), "before");
    EXPECT_TRUE(prompts.fileDialogs.empty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].startsWith("Your ID Code is : 48213"));
    // Afterwards everything is back to normal.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::keyClicks(name, "!");
    EXPECT_EQ(name->text(), "before!");
}

// Against a service that never answers, Cancel (clicked through the window,
// as the window system delivers it) or Escape stops the submission at once:
// the wait ends, the form is as it was, one message says it was stopped, and
// the next submission goes through. Closing the window stops it too and then
// asks about the changed form.
TEST_F(Submission, CancelEscapeOrClosingStopsItAtOnce) {
    enum class Stop { CancelClicked, Escape, Closed };
    standin::Scenario silent;
    ASSERT_TRUE(standin::namedScenario("silent", silent));
    setControlText(dialog, ControlId::NameEdit, "Ann");
    for (Stop stop : {Stop::CancelClicked, Stop::Escape, Stop::Closed}) {
        SCOPED_TRACE(int(stop));
        service.setScenario(silent);
        prompts.messages.clear();
        QTest::mouseClick(control(dialog, ControlId::SubmitButton), Qt::LeftButton);
        QTest::qWait(1000);
        ASSERT_TRUE(isSubmitting(dialog));
        if (stop == Stop::CancelClicked) {
            QWidget* cancel = control(dialog, ControlId::CancelButton);
            QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                              cancel->geometry().center());
        } else if (stop == Stop::Escape) {
            QTest::keyClick(control(dialog, ControlId::NameEdit), Qt::Key_Escape);
        } else {
            dialog.windowHandle()->close();
        }
        // The service never answers: only the stop ends the wait.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !isSubmitting(dialog); }, 5000));
        EXPECT_EQ(prompts.messages, std::vector<QString>{"The submission was stopped.  The service "
                                                         "may already have received the form."});
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(controlText(dialog, ControlId::NameEdit), "Ann");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(prompts.questions.size(), stop == Stop::Closed ? 1u : 0u);
    }
    service.setScenario(answering(standin::Scenario::Delivery::Whole));
    ASSERT_TRUE(submitAndWait(dialog));
    EXPECT_TRUE(prompts.messages.back().startsWith("Your ID Code is : 48213"));

    // A dialog destroyed while it waits (the application quitting) stops the
    // worker rather than wait with it for a service that never answers.
    service.setScenario(silent);
    auto waiting = std::make_unique<CMainDialog>(prompts, testFolders(), service.hostAndPort());
    waiting->OnSubmit();
    QTest::qWait(200);
    const auto start = std::chrono::steady_clock::now();
    waiting.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// A registration that cannot be kept still shows its ID code first, then says
// why it was not kept and what to do.
TEST(KeepingRegistrations, ARecordThatCannotBeWrittenIsToldAfterTheIdCode) {
    standin::StandinService service(answering(standin::Scenario::Delivery::Whole));
    RecordingPrompts prompts;
    FormFolders folders = testFolders();
    folders.registrations = pathFromText(scratchFolder()) / "blocked";
    const QString recordFolder = textFromPath(folders.registrations);
    writeBytes(recordFolder, "a file where the folder would be");
    CMainDialog dialog{prompts, folders, service.hostAndPort()};
    ASSERT_TRUE(submitAndWait(dialog));
    ASSERT_TRUE(QTest::qWaitFor([&] { return prompts.messages.size() == 2; }, 5000));
    EXPECT_TRUE(prompts.messages[0].startsWith("Your ID Code is : 48213"));
    EXPECT_EQ(prompts.messages[1], "The registration could not be kept: " + recordFolder +
                                       " is a file, not a folder. Please write your ID code and "
                                       "password down.");
}

// A form with marked fields asks once before anything is sent, the e-mail
// first; Go Back sends nothing and shows the first field listed, ready for
// typing; Send Anyway sends the body the form gives, byte for byte. (A form
// with no marked field asks nothing: every other submission here.)
TEST_F(Submission, AsksOnceBeforeAMarkedFormIsSent) {
    using enum ControlId;
    setControlText(dialog, BackgroundColourCombo, "Wheet");
    setControlText(dialog, EmailEdit, "ann.example.com");
    prompts.answers = {false};
    QTest::mouseClick(control(dialog, SubmitButton), Qt::LeftButton);
    EXPECT_EQ(prompts.questions,
              std::vector<QString>{
                  "Some fields may be mistyped:\n\n"
                  "Email: This does not look like an e-mail address, such as jane@example.com. "
                  "The code for your search box is sent to this address.\n"
                  "Background Color: The service does not know this colour and will use White "
                  "(#FFFFFF) instead.\n\n"
                  "Do you want to send the form anyway?"});
    EXPECT_EQ(tabBarOf(dialog)->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), control(dialog, EmailEdit));

    prompts.answers = {true};
    ASSERT_TRUE(submitAndWait(dialog));
    ASSERT_EQ(service.requests().size(), 1u) << "Go Back sent the form";
    SiteProfile sent;
    for (const FormField& field : kFormFields) sent.*field.member = field.startText;
    sent.bg_colour = "Wheet";
    sent.email = "ann.example.com";
    EXPECT_EQ(service.requests()[0].body, BuildRegistrationBody(sent));
    EXPECT_EQ(prompts.questions.size(), 2u);
}

// What the service received, the profile saved, the question asked before
// sending and the message with the reply, for one form.
struct SentAndSaved {
    std::string body;
    std::string file;
    QString question;
    QString message;
};

// Fills the form as a user would, leaving start texts in some fields, sends
// it anyway, marked e-mail and all, and saves it to `file`.
void fillSendAndSave(const QString& file, SentAndSaved& out) {
    using enum ControlId;
    standin::StandinService service{answering(standin::Scenario::Delivery::Whole)};
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), service.hostAndPort()};
    setControlText(dialog, NameEdit, "Zoë & Bob");
    setControlText(dialog, EmailEdit, "zoe@example");
    setControlText(dialog, KeywordEdit, "roses");
    // Picked by their place in the lists, so that a list shown in other
    // words would send those.
    for (ControlId box :
         {SiteTypeCombo, BackgroundColourCombo, LinkColourCombo, ResultBarTextColourCombo}) {
        controlAs<QComboBox>(dialog, box)->setCurrentIndex(3);
    }
    prompts.answers = {true};
    ASSERT_TRUE(submitAndWait(dialog));
    ASSERT_TRUE(service.requests().size() == 1 && prompts.questions.size() == 1 &&
                prompts.messages.size() == 1);
    prompts.filesToPick.push_back(file);
    dialog.OnSave();
    out = {service.requests()[0].body, bytesOf(file), prompts.questions[0], prompts.messages[0]};
}

// The form's keys and values, the start texts and the list entries are
// data the service and the profile files read: the same input sends the
// same bytes and saves the same file in German as in English, and the
// service's reply shows as it came. Only the words around them change.
TEST(SubmissionInGerman, SendsAndSavesTheBytesEnglishDoes) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SentAndSaved english;
    fillSendAndSave(dir.filePath("english.dat"), english);
    ASSERT_FALSE(HasFatalFailure());
    QTranslator german;
    ASSERT_TRUE(loadGerman(german));
    SentAndSaved inGerman;
    {
        const SpokenLanguage speaking(german);
        fillSendAndSave(dir.filePath("german.dat"), inGerman);
        ASSERT_FALSE(HasFatalFailure());
    }
    EXPECT_EQ(inGerman.body, english.body);
    EXPECT_EQ(inGerman.file, english.file);
    // The entries picked and the start texts left, as the file holds them.
    for (const char* kept : {"Computers", "Please Select One", "http://", "All Categories"}) {
        EXPECT_NE(english.file.find(kept), std::string::npos) << kept;
    }
    // The words were German all the same.
    EXPECT_TRUE(inGerman.question.startsWith("Einige Felder")) << inGerman.question.toStdString();
    EXPECT_NE(inGerman.message, english.message);
    EXPECT_TRUE(inGerman.message.startsWith("Your ID Code is : 48213"))
        << inGerman.message.toStdString();
}

}  // namespace
}  // namespace tavimor
