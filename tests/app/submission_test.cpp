#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/main_dialog.h"
#include "app_test_support.h"
#include "profile/profile_fields.h"
#include "standin_service.h"

namespace tavimor {
namespace {

using testing_support::controlAs;
using testing_support::RecordingPrompts;

const QString kReminder =
    " \nYou will be receiving an email confirming your submission.\nPlease write your ID code "
    "and password down. \n You will need these information when you edit your settings.";

// Replaces a field's text the way a user does: select all, type.
void typeInto(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    field->setFocus();
    qobject_cast<QLineEdit*>(field)->selectAll();
    QTest::keyClicks(field, text);
}

std::map<std::string, std::string> formOf(const standin::RecordedRequest& request) {
    return {request.formPairsInOrder.begin(), request.formPairsInOrder.end()};
}

class Submission : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(service.listening()); }

    standin::StandinService service{[] {
        standin::Scenario scenario;
        scenario.page = standin::idPage();
        return scenario;
    }()};
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, service.hostAndPort()};
};

TEST_F(Submission, SendsTheWholeFormAndShowsTheIdCode) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // Fields from the Contact Info, Color Scheme, Favorite Links and Target
    // Search pages, while the Welcome page is the one showing.
    typeInto(dialog.control(1002), "Ann & Bob");
    typeInto(dialog.control(1011), "p=1+2%");
    typeInto(dialog.control(1065), "Html Support");  // typed, not picked
    auto* active = controlAs<QComboBox>(dialog, 1029);
    active->setCurrentIndex(active->findText("Red"));  // picked from the list
    typeInto(dialog.control(1052), "My blog");
    typeInto(dialog.control(1057), "cheap flights");

    QTest::mouseClick(dialog.control(1074), Qt::LeftButton);

    const auto requests = service.requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto form = formOf(requests.front());
    EXPECT_EQ(requests.front().formPairsInOrder.size(), 26u);
    EXPECT_EQ(form.at("user_name"), "Ann & Bob");
    EXPECT_EQ(form.at("password"), "p=1+2%");
    EXPECT_EQ(form.at("site_URL"), "http://");
    EXPECT_EQ(form.at("link1_title"), "My blog");
    EXPECT_EQ(form.at("link1_url"), "http://");
    EXPECT_EQ(form.at("query2"), "cheap flights");
    // Codes, not names: the hand-typed category keeps its own spelling.
    EXPECT_EQ(form.at("category"), "1017");
    EXPECT_EQ(form.at("alink_colour"), "#FF0000");
    EXPECT_EQ(form.at("bg_colour"), "#FFFFFF");
    EXPECT_EQ(form.at("category_num"), "none");

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages.front(), "Your ID Code is : 48213" + kReminder);
    EXPECT_EQ(dialog.idCodeReply(), "Your ID Code is : 48213");
    EXPECT_EQ(dialog.siteProfile().category, "Html Support");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(Submission, AnUnreachableServiceGivesBothBoxesInOrder) {
    const int closedPort = service.port();
    service.stop();
    CMainDialog unreachable(prompts, "127.0.0.1:" + std::to_string(closedPort));
    unreachable.OnSubmit();
    const std::vector<QString> expected = {
        "Error Connecting....Please try again!",
        "There was an error.  Please check your data and try again."};
    EXPECT_EQ(prompts.messages, expected);
    EXPECT_EQ(unreachable.idCodeReply(), "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(Submission, WhileTheServiceIsSlowTheDialogRepaintsButTakesNoInput) {
    standin::Scenario slow;
    slow.page = standin::idPage();
    slow.delivery = standin::Scenario::Delivery::Slow;
    slow.pieceSize = 8;
    slow.pause = std::chrono::milliseconds(60);
    service.setScenario(slow);

    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* name = controlAs<QLineEdit>(dialog, 1002);
    typeInto(name, "before");

    PaintCounter counter;
    dialog.installEventFilter(&counter);
    bool sawWaitCursor = false;
    bool wasSubmitting = false;
    bool stayedOpen = false;
    QTimer::singleShot(100, &dialog, [&] {
        wasSubmitting = dialog.isSubmitting();
        const QCursor* cursor = QApplication::overrideCursor();
        sawWaitCursor = cursor && cursor->shape() == Qt::WaitCursor;
        counter.paints = 0;
        dialog.update();
        // Everything a user might do while waiting.
        QTest::mouseClick(dialog.control(1074), Qt::LeftButton);
        QTest::keyClicks(name, "after");
        QTest::keyClick(name, Qt::Key_Escape);
        dialog.close();
        QTest::mouseClick(dialog.control(2), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
    });

    QTest::mouseClick(dialog.control(1074), Qt::LeftButton);

    EXPECT_TRUE(wasSubmitting) << "the timer must fire while the request is pending";
    EXPECT_TRUE(sawWaitCursor);
    EXPECT_TRUE(stayedOpen);
    EXPECT_GT(counter.paints, 0) << "the dialog kept repainting";
    EXPECT_EQ(service.requests().size(), 1u) << "a second Submit got through";
    EXPECT_EQ(name->text(), "before");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.isSubmitting());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages.front().startsWith("Your ID Code is : 48213"));

    // Afterwards the dialog takes input again.
    QTest::keyClicks(name, "!");
    EXPECT_EQ(name->text(), "before!");
    dialog.removeEventFilter(&counter);
}

}  // namespace
}  // namespace tavimor
