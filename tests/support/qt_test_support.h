#pragma once

// What the Qt tests share: readable Qt values in failure messages, a recorder
// of log lines, a recorder of the prompts the dialog shows, and helpers that
// drive the main dialog as a user does. The tests' main (qt_test_main.cpp)
// runs them inside the application object.

#include <QApplication>
#include <QByteArray>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "dialog_engine/tab_control.h"
#include "dialog_engine/template_builder.h"
#include "dialog_engine/text.h"
#include "form/main_dialog.h"
#include "form/user_prompts.h"
#include "res/tab_pages.h"

QT_BEGIN_NAMESPACE
// Readable Qt strings in failure messages, lists of them too.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tavimor {

inline void PrintTo(ControlId id, std::ostream* out) { *out << "control " << static_cast<int>(id); }

}  // namespace tavimor

namespace tavimor::testing_support {

// Records what is logged under `category` and the categories below it
// ("qt.svg" takes "qt.svg.x" too) while it exists; one at a time.
class LogRecorder {
public:
    explicit LogRecorder(const char* category)
        : category_(category), previous_(qInstallMessageHandler(&handle)) {
        active() = this;
    }
    ~LogRecorder() {
        qInstallMessageHandler(previous_);
        active() = nullptr;
    }
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;

    std::vector<QString> lines;

private:
    static LogRecorder*& active() {
        static LogRecorder* recorder = nullptr;
        return recorder;
    }
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& text) {
        LogRecorder* self = active();
        const QByteArray category(context.category ? context.category : "");
        if (self && (category == self->category_ || category.startsWith(self->category_ + '.'))) {
            self->lines.push_back(text);
        }
    }

    QByteArray category_;
    QtMessageHandler previous_;
};

// Records every message, file dialog and question instead of showing it, and
// answers with what the test queued: the files to pick (an empty string, or
// nothing queued, cancels), the yes/no answers, Restore being yes (nothing
// queued says No), and the answers about unsaved changes (nothing queued
// cancels).
class RecordingPrompts final : public UserPrompts {
public:
    struct FileDialogShown {
        FileDialogPurpose purpose;
        QString folder;
        QString filterLabel;
    };

    void showMessage(QWidget*, const QString& text) override { messages.push_back(text); }
    QString chooseFileToSave(QWidget*, const QString& folder, const QString& label) override {
        return pick({FileDialogPurpose::Save, folder, label});
    }
    QString chooseFileToLoad(QWidget*, const QString& folder, const QString& label) override {
        return pick({FileDialogPurpose::Load, folder, label});
    }
    bool askYesNo(QWidget*, const QString& question) override {
        questions.push_back(question);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    bool askToRestore(QWidget* parent, const QString& question) override {
        return askYesNo(parent, question);
    }
    bool askToSendAnyway(QWidget* parent, const QString& question) override {
        return askYesNo(parent, question);
    }
    SaveChoice askToSaveChanges(QWidget*, const QString& question) override {
        questions.push_back(question);
        if (saveChoices.empty()) return SaveChoice::Cancel;
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }

    std::deque<QString> filesToPick;
    std::deque<bool> answers;
    std::deque<SaveChoice> saveChoices;
    std::vector<QString> messages;
    std::vector<FileDialogShown> fileDialogs;
    std::vector<QString> questions;

private:
    QString pick(FileDialogShown shown) {
        fileDialogs.push_back(std::move(shown));
        if (filesToPick.empty()) return {};
        const QString file = filesToPick.front();
        filesToPick.pop_front();
        return file;
    }
};

// The program speaks the language of `translator` while this exists, in
// the windows made meanwhile: installed, it is asked before any translator
// installed earlier, and it is removed however the test ends.
struct SpokenLanguage {
    explicit SpokenLanguage(QTranslator& spoken) : translator(spoken) {
        QCoreApplication::installTranslator(&translator);
    }
    ~SpokenLanguage() { QCoreApplication::removeTranslator(&translator); }
    QTranslator& translator;
};

// Loads the program's own German, built into it as the program finds it.
inline bool loadGerman(QTranslator& translator) {
    return translator.load(QStringLiteral("tavimor_de"), QStringLiteral(":/i18n"));
}

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(unreadable)";
}

inline void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

// The scratch folder the test program works in, removed when it ends.
QString scratchFolder();

// The folders a dialog under test keeps its files in: in the scratch folder,
// shared by every dialog of the test program, as the program's are by every
// instance.
inline FormFolders testFolders() {
    const QString profiles = scratchFolder() + QStringLiteral("/Profiles");
    QDir().mkpath(profiles);
    return {profiles, pathFromText(scratchFolder()) / "recovery",
            pathFromText(scratchFolder()) / "registrations"};
}

inline QString recoveryFolder() { return textFromPath(testFolders().recovery); }

// A control of a dialog built from a template, by its id.
inline QWidget* control(const QWidget& dialog, ControlId id) { return findControl(dialog, id); }

template <class Widget>
Widget* controlAs(const QWidget& dialog, ControlId id) {
    return qobject_cast<Widget*>(control(dialog, id));
}

inline QTabBar* tabBarOf(const QWidget& dialog) {
    return controlAs<TabControl>(dialog, ControlId::TabControl)->tabBar();
}

// True while a submission waits for the service: the window shows the wait
// cursor and takes no input but Cancel's.
inline bool isSubmitting(const QWidget&) {
    return QApplication::overrideCursor() &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Whether closing `dialog` now would ask about unsaved changes. The question
// is answered Cancel and forgotten, so a changed form stays open and the
// prompts' record is as it was; an unchanged one closes.
inline bool asksBeforeClosing(CMainDialog& dialog, RecordingPrompts& prompts) {
    const std::size_t before = prompts.questions.size();
    std::deque<SaveChoice> queued;
    queued.swap(prompts.saveChoices);
    dialog.reject();
    const bool asked = prompts.questions.size() > before;
    prompts.questions.resize(before);
    prompts.saveChoices.swap(queued);
    return asked;
}

// The edit line of a field: a line edit's own, or a combo box's.
inline QLineEdit* editLine(const QWidget& dialog, ControlId id) {
    QWidget* field = control(dialog, id);
    if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

// What a field shows, and putting text into it as a paste would.
inline QString controlText(const QWidget& dialog, ControlId id) {
    return editLine(dialog, id)->text();
}
inline void setControlText(const QWidget& dialog, ControlId id, const QString& text) {
    editLine(dialog, id)->setText(text);
}

// Replaces a field's text as a user does: select all, type.
inline void typeInto(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    field->setFocus();
    qobject_cast<QLineEdit*>(field)->selectAll();
    QTest::keyClicks(field, text);
}

inline std::set<ControlId> pageControls(int page) {
    return {kTabPages[page].controls.begin(), kTabPages[page].controls.end()};
}

// The page controls a user can see now.
inline std::set<ControlId> visiblePageControls(const CMainDialog& dialog) {
    std::set<ControlId> visible;
    for (int page = 0; page < kTabPageCount; ++page) {
        for (ControlId id : pageControls(page)) {
            if (control(dialog, id)->isVisibleTo(&dialog)) visible.insert(id);
        }
    }
    return visible;
}

// Runs `step` from the event loop as soon as `ready` gives a window, for use
// while a modal loop (a menu, a dialog) blocks the test. Gives up after five
// seconds, closing whatever is modal, so a window that never appears fails
// the test instead of hanging it; stops when `owner` goes, so no step
// outlives the test it serves.
template <class Window>
void whenShown(QObject* owner, std::function<Window*()> ready, std::function<void(Window*)> step,
               int triesLeft = 500) {
    QTimer::singleShot(10, owner, [=] {
        if (Window* window = ready()) {
            step(window);
        } else if (triesLeft > 0) {
            whenShown(owner, ready, step, triesLeft - 1);
        } else {
            ADD_FAILURE() << "the awaited window never appeared";
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        }
    });
}

// The modal window of type `Window` now in front, or nullptr.
template <class Window>
Window* modalOf() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

// Clicks Submit and waits until the answer has been shown.
inline bool submitAndWait(CMainDialog& dialog) {
    QTest::mouseClick(control(dialog, ControlId::SubmitButton), Qt::LeftButton);
    return QTest::qWaitFor([&] { return !isSubmitting(dialog); }, 20000);
}

// Clicks the tab of `page`, as a user picks a page.
inline void chooseTab(const CMainDialog& dialog, int page) {
    QTest::mouseClick(tabBarOf(dialog), Qt::LeftButton, {},
                      tabBarOf(dialog)->tabRect(page).center());
}

}  // namespace tavimor::testing_support
