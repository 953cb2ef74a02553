#include "app/main_dialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include <exception>
#include <thread>

#include "app/about_dialog.h"
#include "app/busy_scope.h"
#include "app/help_window.h"
#include "app/picture_control.h"
#include "app/tab_control.h"
#include "app/tab_pages.h"
#include "app/template_builder.h"
#include "app/user_prompts.h"
#include "profile/profile_fields.h"
#include "res/dialog_templates.h"

namespace tavimor {
namespace {

constexpr int kCancelId = 2;
constexpr int kTabControlId = 1000;
constexpr int kSubmitId = 1074;
constexpr int kNextId = 1087;
constexpr int kSaveId = 1072;
constexpr int kLoadId = 1073;
constexpr int kHelpId = 57670;

// String resource 101, the context menu's entry for the About box.
constexpr auto kAboutMenuEntry = "&About Tavimor...";

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString controlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    return {};
}

void setControlText(QWidget* control, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // Only the edit field changes; the list and its order stay as filled.
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

}  // namespace

CMainDialog::CMainDialog(UserPrompts& prompts, std::string_view registrationHost,
                         QWidget* parent)
    : QDialog(parent), prompts_(prompts), registrationHost_(registrationHost) {
    // A window of its own in the task bar: title, system menu, minimise and
    // close, no maximise; the size is fixed by the template.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    for (QWidget* widget : buildDialogFromTemplate(this, kMainDialogTemplate)) {
        controls_.emplace(widget->objectName().toInt(), widget);
    }

    auto* tabs = qobject_cast<TabControl*>(control(kTabControlId));
    for (const TabPage& page : kTabPages) tabs->addTab(toQString(page.label));
    tabs->tabBar()->setCurrentIndex(0);

    setStartTexts();
    setAccessibleLabels();
    createProfileFolder();

    connect(qobject_cast<QPushButton*>(control(kSubmitId)), &QPushButton::clicked, this,
            &CMainDialog::OnSubmit);
    connect(qobject_cast<QPushButton*>(control(kCancelId)), &QPushButton::clicked, this,
            &CMainDialog::reject);
    connect(qobject_cast<QPushButton*>(control(kNextId)), &QPushButton::clicked, this,
            &CMainDialog::OnNext);
    connect(tabBar(), &QTabBar::currentChanged, this, &CMainDialog::OnSelchangeTab);
    connect(qobject_cast<QPushButton*>(control(kSaveId)), &QPushButton::clicked, this,
            &CMainDialog::OnSave);
    connect(qobject_cast<QPushButton*>(control(kLoadId)), &QPushButton::clicked, this,
            &CMainDialog::OnLoad);
    connect(qobject_cast<QPushButton*>(control(kHelpId)), &QPushButton::clicked, this,
            &CMainDialog::OnHelp);
    // F1 asks for help from anywhere in the dialog, whichever control has
    // the focus.
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, &CMainDialog::OnHelp);
    setWindowIcon(applicationIcon());

    control(kCancelId)->setFocus();
}

CMainDialog::~CMainDialog() = default;

QWidget* CMainDialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QTabBar* CMainDialog::tabBar() const {
    return qobject_cast<TabControl*>(control(kTabControlId))->tabBar();
}

void CMainDialog::OnSelchangeTab() { showPage(tabBar()->currentIndex()); }

void CMainDialog::OnNext() {
    const int page = tabBar()->currentIndex();
    if (page < 0 || page >= kLastTabPage) return;
    {
        // Qt's tab bar announces every change of index; blocked here, Next
        // switches the page once, below, rather than once more through
        // OnSelchangeTab.
        const QSignalBlocker quiet(tabBar());
        tabBar()->setCurrentIndex(page + 1);
    }
    showPage(tabBar()->currentIndex());
}

// Exactly the controls of `page` are visible among the pages' controls
// afterwards, whatever was visible before; the buttons under the tab control
// are no page's and stay as they are. Hiding a control leaves its text, list
// and selection alone. Next >> shows wherever there is a next page to go to.
void CMainDialog::showPage(int page) {
    for (int index = 0; index < kTabPageCount; ++index) {
        for (int id : kTabPages[index].controlIds) control(id)->setVisible(index == page);
    }
    control(kNextId)->setVisible(page >= 0 && page < kLastTabPage);
}

void CMainDialog::setStartTexts() {
    for (const ProfileField& field : kProfileFields) {
        setControlText(control(field.controlId), toQString(field.startText));
    }
}

void CMainDialog::setAccessibleLabels() {
    for (const ProfileField& field : kProfileFields) {
        QWidget* widget = control(field.controlId);
        const QString label = toQString(field.label);
        widget->setAccessibleName(label);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // On Linux a screen reader is told an editable combo box's text in
            // place of its name, so the words go into its description as well,
            // and onto its edit field, which is what takes the focus.
            combo->setAccessibleDescription(label);
            if (QLineEdit* line = combo->lineEdit()) {
                line->setAccessibleName(label);
                line->setAccessibleDescription(label);
            }
        }
    }
}

void CMainDialog::createProfileFolder() {
    profileFolder_ = QDir::currentPath() + QStringLiteral("/Profiles");
    // An existing folder is fine, and a failure is left to the file dialogs,
    // which cope with a missing start folder on their own.
    QDir().mkdir(profileFolder_);
}

void CMainDialog::copyControlsToProfile() {
    for (const ProfileField& field : kProfileFields) {
        profile_.*field.member = controlText(control(field.controlId)).toStdString();
    }
}

void CMainDialog::copyProfileToControls() {
    for (const ProfileField& field : kProfileFields) {
        setControlText(control(field.controlId), QString::fromStdString(profile_.*field.member));
    }
}

void CMainDialog::OnSubmit() {
    if (submitting_) return;
    copyControlsToProfile();
    idCodeReply_.clear();
    const ExchangeResult result = runExchangeKeepingUiAlive();
    idCodeReply_ = result.idCodeReply;
    ReportRegistrationOutcome(result, [this](const std::string& text) {
        prompts_.showMessage(this, QString::fromStdString(text));
    });
}

ExchangeResult CMainDialog::runExchangeKeepingUiAlive() {
    submitting_ = true;
    const BusyScope busy;
    ExchangeResult result;
    QEventLoop loop;
    const SiteProfile profile = profile_;
    const std::string host = registrationHost_;
    try {
        // The exchange blocks for as long as the service takes; on a worker
        // thread it leaves this one free to repaint while the local loop
        // waits for the worker to say it is done.
        std::thread worker([&result, &loop, profile, host] {
            try {
                result = RunRegistrationExchange(profile, host);
            } catch (const std::exception& error) {
                result = ExchangeResult{};
                result.failed = true;
                result.errorDetail = error.what();
            } catch (...) {
                result = ExchangeResult{};
                result.failed = true;
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
    } catch (const std::exception& error) {
        // No thread could be started: the exchange never ran.
        result = ExchangeResult{};
        result.failed = true;
        result.errorDetail = error.what();
    }
    submitting_ = false;
    return result;
}

void CMainDialog::OnHelp() {
    // A window of its own, yet the dialog's child: the dialog's modality
    // leaves its own child windows usable, and it goes when the dialog goes.
    if (!helpWindow_) {
        helpWindow_ = new HelpWindow(this);
        helpWindow_->placeBeside(this);
    }
    helpWindow_->showSection(helpSectionForPage(tabBar()->currentIndex()));
}

void CMainDialog::OnAbout() {
    CAboutDialog about(this);
    about.exec();
}

void CMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QAction* about = menu.addAction(QString::fromLatin1(kAboutMenuEntry));
    if (menu.exec(event->globalPos()) == about) OnAbout();
}

void CMainDialog::done(int result) {
    if (helpWindow_) helpWindow_->close();
    QDialog::done(result);
}

void CMainDialog::reject() {
    if (submitting_) return;
    QDialog::reject();
}

void CMainDialog::keyPressEvent(QKeyEvent* event) {
    // Enter in a field would otherwise end the dialog like an OK button and
    // throw away everything typed. A focused push button still takes Enter
    // itself before it gets here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tavimor
