#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "qt_test_support.h"
#include "standin_service.h"

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

    std::map<std::string, std::string> onlyRequestForm() const {
        const auto requests = service.requests();
        if (requests.size() != 1) return {};
        return {requests[0].formPairsInOrder.begin(), requests[0].formPairsInOrder.end()};
    }

    standin::StandinService service{answering(standin::Scenario::Delivery::Whole)};
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, service.hostAndPort()};
};

TEST_F(Submission, SendsEveryPageFromTheWelcomePageAndShowsTheIdCode) {
    // Typed page by page, a colour picked from its list, then sent from page 0.
    const std::pair<ControlId, QString> typed[] = {{ControlId::NameEdit, "Ann & Bob"},
                                                   {ControlId::PasswordEdit, "p=1+2%"},
                                                   {ControlId::SiteTypeCombo, "Html Support"},
                                                   {ControlId::Link1TitleEdit, "My blog"},
                                                   {ControlId::KeywordEdit, "cheap flights"}};
    for (const auto& [id, text] : typed) {
        for (int page = 0; page < kTabPageCount; ++page) {
            if (pageControls(page).count(id)) chooseTab(dialog, page);
        }
        typeInto(dialog.control(id), text);
    }
    chooseTab(dialog, 4);
    auto* active = controlAs<QComboBox>(dialog, ControlId::ActiveLinkColourCombo);
    active->setCurrentIndex(active->findText("Red"));
    chooseTab(dialog, 0);

    ASSERT_TRUE(submitAndWait(dialog));

    const auto form = onlyRequestForm();
    ASSERT_EQ(form.size(), 26u);
    EXPECT_EQ(form.at("user_name"), "Ann & Bob");
    EXPECT_EQ(form.at("password"), "p=1+2%");
    EXPECT_EQ(form.at("link1_title"), "My blog");
    EXPECT_EQ(form.at("link1_url"), "http://");
    EXPECT_EQ(form.at("query2"), "cheap flights");
    // Codes, not names; the hand-typed category kept its own spelling.
    EXPECT_EQ(form.at("category"), "1017");
    EXPECT_EQ(form.at("alink_colour"), "#FF0000");
    EXPECT_EQ(form.at("category_num"), "none");

    const QString reminder =
        " \nYou will be receiving an email confirming your submission.\nPlease write your ID "
        "code and password down. \n You will need these information when you edit your "
        "settings.";
    EXPECT_EQ(prompts.messages, std::vector<QString>{"Your ID Code is : 48213" + reminder});
    EXPECT_EQ(dialog.idCodeReply(), "Your ID Code is : 48213");
    // Submit neither moves the page nor shows or hides anything.
    EXPECT_EQ(dialog.tabBar()->currentIndex(), 0);
    EXPECT_EQ(visiblePageControls(dialog), pageControls(0));
    EXPECT_TRUE(dialog.control(ControlId::NextButton)->isVisibleTo(&dialog));
}

// The box says only "Error Connecting...."; the log says what happened.
TEST_F(Submission, AFailedExchangeIsLoggedWithTheClientsWords) {
    standin::Scenario cut;
    ASSERT_TRUE(standin::namedScenario("cut", cut));
    service.setScenario(cut);
    LogRecorder log("tavimor.submit");
    ASSERT_TRUE(submitAndWait(dialog));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0], "Error Connecting....Please try again!");
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_TRUE(log.lines[0].startsWith(qs("the exchange with " + service.hostAndPort() + " failed: ")) &&
                log.lines[0].size() > 60)
        << log.lines[0].toStdString();
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
        waiting = dialog.isSubmitting();
        waitCursor = QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        counter.paints = 0;
        dialog.update();
        // Everything a user might try while waiting.
        QTest::mouseClick(dialog.control(ControlId::SubmitButton), Qt::LeftButton);
        dialog.OnSubmit();
        QTest::keyClicks(name, "after");
        QTest::keyClick(name, Qt::Key_Escape);
        QTest::mouseClick(dialog.control(ControlId::CancelButton), Qt::LeftButton);
        dialog.close();
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
    EXPECT_EQ(prompts.messages.size(), 1u);
    // Afterwards everything is back to normal.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::keyClicks(name, "!");
    EXPECT_EQ(name->text(), "before!");
}

}  // namespace
}  // namespace tavimor
