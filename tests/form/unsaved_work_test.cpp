// The user's own work: the question before the window ends, the recovery
// copy, and profiles opened from outside the window.
#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <optional>

#include "form/form_binding.h"
#include "form/profile_actions.h"
#include "form/unsaved_work.h"
#include "profile_samples.h"
#include "qt_test_support.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

const QString kSaveQuestion =
    "The form has changes that are not saved.\nDo you want to save the form as a profile?";
const QString kRestoreQuestion =
    "Tavimor ended before the form was saved.\nDo you want to restore the form that was not saved?";

QStringList recoveryCopies() { return QDir(recoveryFolder()).entryList({"*.dat"}, QDir::Files); }

enum class WayOut { Escape, CancelButton, CloseButton, Quit };

void leaveBy(CMainDialog& dialog, WayOut way) {
    switch (way) {
    case WayOut::Escape:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        break;
    case WayOut::CancelButton:
        QTest::mouseClick(control(dialog, CancelButton), Qt::LeftButton);
        break;
    case WayOut::CloseButton:  // what the title bar's button and Alt+F4 do
        dialog.windowHandle()->close();
        break;
    case WayOut::Quit: {  // the application asked to quit, as the desktop does
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
        break;
    }
    }
}

struct Ending {
    const char* name;
    std::optional<QString> typed;  // into the URL box, which starts as "http://"
    std::optional<SaveChoice> answer;
    const char* savedAs;  // the file Save picks; empty cancels its dialog
    bool ends;
};

// Every way out of the window, on a form as it started, edited back to its
// start, or changed and then kept, discarded, saved or not saved after all.
// A form that ends changed keeps its recovery copy; one discarded or saved
// does not.
TEST(CloseGuard, EveryWayOutAsksFirstWhenTheFormHasChanges) {
    const Ending kEndings[] = {
        {"untouched", std::nullopt, std::nullopt, "", true},
        {"edited back", "http://", std::nullopt, "", true},
        {"kept", "x", SaveChoice::Cancel, "", false},
        {"discarded", "x", SaveChoice::Discard, "", true},
        {"saved", "x", SaveChoice::Save, "saved", true},
        {"not saved after all", "x", SaveChoice::Save, "", false},
    };
    QTemporaryDir dir;
    for (WayOut way : {WayOut::Escape, WayOut::CancelButton, WayOut::CloseButton, WayOut::Quit}) {
        for (const Ending& ending : kEndings) {
            // Quitting ends the test program's event loops once the windows close.
            if (way == WayOut::Quit && ending.ends) continue;
            SCOPED_TRACE(std::string(ending.name) + " by way " + std::to_string(int(way)));
            QDir(recoveryFolder()).removeRecursively();
            RecordingPrompts prompts;
            if (ending.answer) prompts.saveChoices.push_back(*ending.answer);
            if (*ending.savedAs) prompts.filesToPick.push_back(dir.filePath(ending.savedAs));
            {
                CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
                QSignalSpy finished(&dialog, &QDialog::finished);
                dialog.show();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
                if (ending.typed) {
                    typeInto(control(dialog, SiteUrlEdit), "typed first");
                    typeInto(control(dialog, SiteUrlEdit), *ending.typed);
                }
                leaveBy(dialog, way);
                EXPECT_EQ(finished.count() == 1 && !dialog.isVisible(), ending.ends);
                EXPECT_EQ(prompts.questions, ending.answer ? std::vector<QString>{kSaveQuestion}
                                                           : std::vector<QString>{});
                EXPECT_EQ(controlText(dialog, SiteUrlEdit), ending.typed.value_or("http://"));
            }
            SiteProfile saved = startProfile();
            saved.site_URL = "x";
            if (*ending.savedAs) {
                EXPECT_EQ(bytesOf(dir.filePath("saved.dat")), referenceEncoding(saved));
                QFile::remove(dir.filePath("saved.dat"));
            }
            const bool keptChanged = ending.answer && !ending.ends;
            EXPECT_EQ(recoveryCopies().size(), keptChanged ? 1 : 0);
        }
    }
}

// The real question: Escape on it keeps the form; Save goes on through the
// real file dialog and writes the form before the window ends.
TEST(CloseGuard, SavesThroughTheRealQuestionAndFileDialog) {
    QTemporaryDir dir;
    MessageBoxPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    typeInto(control(dialog, NameEdit), "Ann");
    QStringList buttons;
    whenShown<QMessageBox>(&dialog, modalOf<QMessageBox>, [&](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) buttons << button->text().remove('&');
        QTest::keyClick(box, Qt::Key_Escape);
    });
    dialog.close();
    ASSERT_TRUE(dialog.isVisible());
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"Cancel", "Discard", "Save"}));

    whenShown<QMessageBox>(&dialog, modalOf<QMessageBox>, [&](QMessageBox* box) {
        whenShown<QFileDialog>(&dialog, modalOf<QFileDialog>, [&](QFileDialog* files) {
            files->setDirectory(dir.path());
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClicks(name, "ann");
            QTest::keyClick(name, Qt::Key_Return);
        });
        box->button(QMessageBox::Save)->click();
    });
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    SiteProfile saved = startProfile();
    saved.user_name = "Ann";
    EXPECT_EQ(bytesOf(dir.filePath("ann.dat")), referenceEncoding(saved));
}

// When the desktop session ends, a session manager that lets the app ask
// gets the same question, and Cancel keeps the session from ending; one that
// does not gets the recovery copy written at once, and the close that follows
// asks nothing. A copy that cannot be written is logged, once.
TEST(CloseGuard, TheSessionsEndAsksWhenAllowedAndElseWritesTheCopy) {
    // The part itself, as the dialog holds it: the session manager that
    // would call it cannot be made outside a desktop session.
    struct Form {
        explicit Form(RecordingPrompts& prompts)
            : binding(FormBinding::buildOn(&window)),
              profiles(binding, prompts, &window, testFolders().profiles),
              work((binding.showStartTexts(), binding), profiles, prompts, &window,
                   testFolders().recovery) {}
        QDialog window;
        FormBinding binding;
        ProfileActions profiles;
        UnsavedWork work;
    };
    QDir(recoveryFolder()).removeRecursively();
    RecordingPrompts prompts;
    prompts.saveChoices = {SaveChoice::Cancel};
    {
        Form form(prompts);
        setControlText(form.window, NameEdit, "Ann");
        EXPECT_FALSE(form.work.endSession(true));
        EXPECT_TRUE(form.work.endSession(false));
        EXPECT_EQ(recoveryCopies().size(), 1);
        EXPECT_TRUE(form.work.mayEnd()) << "asked again once the session's end was answered";
        EXPECT_EQ(prompts.questions, std::vector<QString>{kSaveQuestion});
    }

    QDir(recoveryFolder()).removeRecursively();
    writeBytes(recoveryFolder(), "a file where the folder would be");
    LogRecorder log("tavimor.profile");
    Form blocked(prompts);
    for (const char* typed : {"x", "y"}) {
        setControlText(blocked.window, NameEdit, typed);
        EXPECT_TRUE(blocked.work.endSession(false));
    }
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_TRUE(
        log.lines[0].startsWith("the recovery copy could not be written: No recovery copy"));
    QFile::remove(recoveryFolder());
}

// The copy holds the changed form a moment after an edit and goes when the
// form is as it started again, or saved. An instance that ended changed
// leaves its copy, which the next start offers once: restored, the form is
// back and changed, and the new instance's own copy replaces the old; turned
// down, or unreadable, the copy goes.
TEST(RecoveryCopy, FollowsTheFormAndIsOfferedAtTheNextStart) {
    QDir(recoveryFolder()).removeRecursively();
    RecordingPrompts prompts;
    SiteProfile typed = startProfile();
    typed.user_name = "Ann";
    const auto copyHolds = [](const SiteProfile& form) {
        return recoveryCopies().size() == 1 &&
               bytesOf(recoveryFolder() + '/' + recoveryCopies()[0]) == referenceEncoding(form);
    };
    {
        CMainDialog first{prompts, testFolders(), "127.0.0.1:9"};
        setControlText(first, NameEdit, "Ann");
        EXPECT_TRUE(QTest::qWaitFor([&] { return copyHolds(typed); }, 5000));
        setControlText(first, NameEdit, "");
        EXPECT_TRUE(QTest::qWaitFor([] { return recoveryCopies().isEmpty(); }, 5000));
        // Edited back before the copy was due: none is written later.
        setControlText(first, NameEdit, "Bob");
        setControlText(first, NameEdit, "");
        QTest::qWait(1500);
        EXPECT_TRUE(recoveryCopies().isEmpty()) << "a copy of a form with no changes";
        setControlText(first, NameEdit, "Ann");
    }
    ASSERT_TRUE(copyHolds(typed));
    const QString left = recoveryCopies()[0];

    prompts.answers = {true, false};
    CMainDialog second{prompts, testFolders(), "127.0.0.1:9"};
    second.openAtStart({});
    EXPECT_EQ(prompts.questions, std::vector<QString>{kRestoreQuestion});
    EXPECT_EQ(controlText(second, NameEdit), "Ann");
    EXPECT_TRUE(asksBeforeClosing(second, prompts));
    EXPECT_TRUE(copyHolds(typed) && recoveryCopies()[0] != left);
    QTemporaryDir dir;
    prompts.filesToPick.push_back(dir.filePath("ann"));
    second.OnSave();
    EXPECT_TRUE(QTest::qWaitFor([] { return recoveryCopies().isEmpty(); }, 5000));

    {
        CMainDialog ended{prompts, testFolders(), "127.0.0.1:9"};
        setControlText(ended, NameEdit, "Bob");
    }
    CMainDialog declining{prompts, testFolders(), "127.0.0.1:9"};
    declining.openAtStart({});
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(controlText(declining, NameEdit), "");
    EXPECT_TRUE(recoveryCopies().isEmpty());

    writeBytes(recoveryFolder() + "/1-0.dat", "damaged");
    LogRecorder log("tavimor.profile");
    CMainDialog third{prompts, testFolders(), "127.0.0.1:9"};
    third.openAtStart({});
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_TRUE(recoveryCopies().isEmpty());
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_TRUE(log.lines[0].startsWith("removed a recovery copy that cannot be read"));
}

// A profile named on the command line is loaded as Load loads it: refused
// with Load's message, the start form stays. A dropped profile replaces the
// form without a question, even dropped on a field; a dragged web address is
// not taken.
TEST(OpenedFromOutside, TheGivenOrDroppedProfileIsLoadedAsLoadDoes) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("good.dat"), referenceEncoding(richProfile()));
    writeBytes(dir.filePath("cut.dat"), referenceEncoding(richProfile()).substr(0, 300));
    const std::pair<QString, QString> kStarts[] = {
        {"good.dat", ""},
        {"cut.dat", "it ends in the middle of the field \"Site Name\"."},
        {"missing.dat", "there is no such file."},
    };
    for (const auto& [name, refusal] : kStarts) {
        RecordingPrompts prompts;
        CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
        dialog.openAtStart(dir.filePath(name));
        const bool loaded = refusal.isEmpty();
        EXPECT_EQ(prompts.messages,
                  loaded ? std::vector<QString>{}
                         : std::vector<QString>{QStringLiteral("Cannot load the profile \"%1\": %2")
                                                    .arg(dir.filePath(name), refusal)});
        EXPECT_EQ(controlText(dialog, SiteUrlEdit) == "http://", !loaded);
        EXPECT_EQ(controlText(dialog, EmailEdit) == textFromBytes(richProfile().email), loaded);
        EXPECT_FALSE(asksBeforeClosing(dialog, prompts));
        EXPECT_TRUE(prompts.questions.empty());
    }

    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    chooseTab(dialog, 2);
    setControlText(dialog, NameEdit, "typed");
    // Through the window, as the window system delivers a drag: entering,
    // then dropped, at the name field.
    const QPoint field = control(dialog, NameEdit)->geometry().center();
    const auto drag = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(field, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dialog.windowHandle(), &enter);
        QDropEvent drop(field, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dialog.windowHandle(), &drop);
        return enter.isAccepted() && drop.isAccepted();
    };
    EXPECT_FALSE(drag({QUrl("https://example.com/good.dat")}));
    EXPECT_EQ(controlText(dialog, NameEdit), "typed");
    EXPECT_TRUE(
        drag({QUrl("https://example.com/a.dat"), QUrl::fromLocalFile(dir.filePath("good.dat")),
              QUrl::fromLocalFile(dir.filePath("cut.dat"))}));
    EXPECT_EQ(controlText(dialog, EmailEdit), textFromBytes(richProfile().email));
    EXPECT_FALSE(asksBeforeClosing(dialog, prompts));
    EXPECT_TRUE(prompts.messages.empty() && prompts.questions.empty());
}

}  // namespace
}  // namespace tavimor
