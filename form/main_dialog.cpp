#include "form/main_dialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include <array>

#include "dialog_engine/picture_control.h"
#include "dialog_engine/tab_control.h"
#include "dialog_engine/translated_text.h"
#include "form/colour_preview.h"
#include "form/colour_swatches.h"
#include "form/field_hint_marks.h"
#include "form/profile_actions.h"
#include "form/registration_record.h"
#include "form/send_question.h"
#include "form/submission.h"
#include "form/unsaved_work.h"
#include "form/user_prompts.h"
#include "res/colour_roles.h"
#include "res/form_fields.h"
#include "res/tab_pages.h"
#include "submit/colour_fields.h"

namespace tavimor {
namespace {

// The context menu's entry for the About box.
const char* const kAboutMenuEntry = QT_TRANSLATE_NOOP("tavimor::CMainDialog", "&About Tavimor...");

}  // namespace

CMainDialog::CMainDialog(UserPrompts& prompts, const FormFolders& folders,
                         std::string_view registrationHost, QWidget* parent)
    : QDialog(parent), prompts_(prompts), form_(FormBinding::buildOn(this)) {
    // A window of its own in the task bar: title, system menu, minimise and
    // close, no maximise; the size is fixed by the template.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* tabs = qobject_cast<TabControl*>(form_.control(ControlId::TabControl));
    {
        // Each tab added, and the blank mark each page that can hold hints
        // gets, would have the layout fit the grid again, measuring every
        // control. Held back until the tabs are complete, the grid is fitted
        // once, as it would have come out after the last of them.
        const QSignalBlocker fitOnce(tabs);
        for (const TabPage& page : kTabPages) tabs->addTab(translated(page.label));
        tabs->tabBar()->setCurrentIndex(0);

        // The colour boxes are tied to the previews first, so that their
        // start texts colour them as any later text does; the hint marks and
        // the change tracking take the start texts as their starting point.
        showColoursAsSent();
        form_.showStartTexts();
        form_.nameFieldsForScreenReaders();
        hints_ = new FieldHintMarks(form_, *tabs, this);
    }
    emit tabs->tabsChanged();
    submission_ = new Submission(prompts, this, form_.control(ControlId::CancelButton),
                                 std::string(registrationHost), this);
    profiles_ = new ProfileActions(form_, prompts, this, folders.profiles, this);
    unsavedWork_ = new UnsavedWork(form_, *profiles_, prompts, this, folders.recovery, this);
    registrations_ = new RegistrationRecord(prompts, this, folders.registrations, this);
    connect(submission_, &Submission::answeredWithId, registrations_, &RegistrationRecord::keep);
    connect(submission_, &Submission::finished, registrations_,
            &RegistrationRecord::noticesMayShow);
    profiles_->acceptDrops(form_.fieldLines());
    connect(profiles_, &ProfileActions::saved, unsavedWork_, &UnsavedWork::formMatchesFile);
    connect(profiles_, &ProfileActions::loaded, unsavedWork_, &UnsavedWork::formMatchesFile);
    connect(profiles_, &ProfileActions::loaded, hints_, &FieldHintMarks::showAll);
    connect(qApp, &QGuiApplication::commitDataRequest, unsavedWork_, &UnsavedWork::commitData);

    const auto onClick = [this](ControlId button, void (CMainDialog::*handler)()) {
        connect(qobject_cast<QPushButton*>(form_.control(button)), &QPushButton::clicked, this,
                handler);
    };
    onClick(ControlId::SubmitButton, &CMainDialog::OnSubmit);
    onClick(ControlId::CancelButton, &CMainDialog::OnCancel);
    onClick(ControlId::NextButton, &CMainDialog::OnNext);
    onClick(ControlId::SaveButton, &CMainDialog::OnSave);
    onClick(ControlId::LoadButton, &CMainDialog::OnLoad);
    onClick(ControlId::HelpButton, &CMainDialog::OnHelp);
    connect(tabBar(), &QTabBar::currentChanged, this, &CMainDialog::OnSelchangeTab);
    // F1 asks for help from anywhere in the dialog, whichever control has
    // the focus.
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, &CMainDialog::OnHelp);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this, this, &CMainDialog::OnRegistrations);
    form_.control(ControlId::CancelButton)->setFocus();
}

CMainDialog::~CMainDialog() {
    // A submission under way stops with its part; the copy holds the form.
    delete submission_;
    unsavedWork_->keepCopy();
}

QTabBar* CMainDialog::tabBar() const {
    return qobject_cast<TabControl*>(form_.control(ControlId::TabControl))->tabBar();
}

// The colour boxes show each entry's colour in their lists, and the Screen
// Shot picture and its copy beside the boxes show the colours their texts
// would be sent as.
void CMainDialog::showColoursAsSent() {
    std::array<const QComboBox*, kColourRoles.size()> boxes{};
    for (std::size_t i = 0; i < kColourRoles.size(); ++i) {
        auto* box = qobject_cast<QComboBox*>(form_.control(controlOf(kColourRoles[i].field)));
        addColourSwatches(*box, *colourFieldOf(kColourRoles[i].field)->translation);
        boxes[i] = box;
    }
    QWidget* besideTheBoxes = form_.control(ControlId::ColourSchemePreview);
    besideTheBoxes->setAccessibleName(
        tr("Preview of your search results page in the colours chosen"));
    bindColourPreview({qobject_cast<PictureControl*>(form_.control(ControlId::ScreenShotPicture)),
                       qobject_cast<PictureControl*>(besideTheBoxes)},
                      boxes);
}

void CMainDialog::openAtStart(const QString& profile) {
    // Opened from outside, the user asked for that file; a recovery copy
    // waits for a start without one.
    if (!profile.isEmpty()) {
        profiles_->loadFile(profile);
    } else if (unsavedWork_->offerRecovery()) {
        hints_->showAll();
    }
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
        for (ControlId id : kTabPages[index].controls) form_.control(id)->setVisible(index == page);
    }
    form_.control(ControlId::NextButton)->setVisible(page >= 0 && page < kLastTabPage);
}

void CMainDialog::OnSubmit() {
    if (submission_->isRunning()) return;
    hints_->showAll();
    if (!mayBeSent()) return;
    form_.copyControlsToProfile();
    submission_->start(form_.profile());
}

// A form with marked fields is sent only when the user says so; going back
// shows the first field listed, ready for typing.
bool CMainDialog::mayBeSent() {
    const std::vector<FieldHintMarks::Marked> marked = inQuestionOrder(hints_->marked());
    if (marked.empty() || prompts_.askToSendAnyway(this, questionBeforeSending(marked))) {
        return true;
    }
    tabBar()->setCurrentIndex(marked.front().page);
    marked.front().line->setFocus();
    return false;
}

void CMainDialog::OnSave() { profiles_->save(); }

void CMainDialog::OnLoad() { profiles_->load(); }

void CMainDialog::OnHelp() { emit helpRequested(tabBar()->currentIndex()); }

void CMainDialog::OnAbout() { emit aboutRequested(); }

void CMainDialog::OnRegistrations() {
    registrations_->showWindow([this](const SiteProfile& form) {
        if (!unsavedWork_->mayEnd()) return;
        form_.replaceProfile(form);
        hints_->showAll();
    });
}

void CMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const QAction* about = menu.addAction(tr(kAboutMenuEntry));
    QAction* registrations = menu.addAction(tr("&Registrations..."));
    registrations->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    const QAction* chosen = menu.exec(event->globalPos());
    if (chosen == about) OnAbout();
    if (chosen == registrations) OnRegistrations();
}

void CMainDialog::OnCancel() {
    if (submission_->isRunning()) {
        submission_->stop();
    } else {
        reject();
    }
}

void CMainDialog::reject() {
    submission_->stop();
    if (unsavedWork_->mayEnd()) QDialog::reject();
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
