#include "app/main_dialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

#include "app/about_dialog.h"
#include "app/colour_preview.h"
#include "app/colour_swatches.h"
#include "app/field_hint_marks.h"
#include "app/form_text.h"
#include "app/help_window.h"
#include "app/logging.h"
#include "app/picture_control.h"
#include "app/tab_control.h"
#include "app/template_builder.h"
#include "app/user_prompts.h"
#include "res/colour_roles.h"
#include "res/dialog_templates.h"
#include "res/form_fields.h"
#include "res/tab_pages.h"
#include "submit/colour_fields.h"
#include "submit/stop_signal.h"

namespace tavimor {
namespace {

// The context menu's entry for the About box.
constexpr auto kAboutMenuEntry = "&About Tavimor...";

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

CMainDialog::CMainDialog(UserPrompts& prompts, std::string_view registrationHost, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      registrationHost_(registrationHost),
      submission_(new QFutureWatcher<ExchangeResult>(this)),
      recovery_(RecoveryKeeper::defaultFolder(), [this] { return formShown(); }) {
    // A window of its own in the task bar: title, system menu, minimise and
    // close, no maximise; the size is fixed by the template.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    const std::vector<QWidget*> widgets = buildDialogFromTemplate(this, kMainDialogTemplate);
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        controls_.emplace(kMainDialogTemplate.controls[i].id, widgets[i]);
    }

    auto* tabs = qobject_cast<TabControl*>(control(ControlId::TabControl));
    {
        // Each tab added, and the blank mark that each page able to hold
        // hints gets, has the layout fit the grid again, measuring every
        // control. Held back until the tabs are complete, the grid is fitted
        // once, and comes out as it would have after the last of them.
        const QSignalBlocker fitOnce(tabs);
        for (const TabPage& page : kTabPages) tabs->addTab(textFromBytes(page.label));
        tabs->tabBar()->setCurrentIndex(0);

        // The colour boxes are tied to the preview first, so that their start
        // texts colour it as any later text does.
        setUpColourBoxes();
        setStartTexts();
        setAccessibleLabels();
        pointAtMistakes();
    }
    emit tabs->tabsChanged();
    createProfileFolder();
    watchForChanges();
    setAcceptDrops(true);

    const auto onClick = [this](ControlId button, void (CMainDialog::*handler)()) {
        connect(qobject_cast<QPushButton*>(control(button)), &QPushButton::clicked, this, handler);
    };
    onClick(ControlId::SubmitButton, &CMainDialog::OnSubmit);
    onClick(ControlId::CancelButton, &CMainDialog::OnCancel);
    onClick(ControlId::NextButton, &CMainDialog::OnNext);
    onClick(ControlId::SaveButton, &CMainDialog::OnSave);
    onClick(ControlId::LoadButton, &CMainDialog::OnLoad);
    onClick(ControlId::HelpButton, &CMainDialog::OnHelp);
    connect(tabBar(), &QTabBar::currentChanged, this, &CMainDialog::OnSelchangeTab);
    connect(submission_, &QFutureWatcher<ExchangeResult>::finished, this,
            &CMainDialog::finishSubmission);
    // F1 asks for help from anywhere in the dialog, whichever control has
    // the focus.
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, &CMainDialog::OnHelp);

    control(ControlId::CancelButton)->setFocus();
}

CMainDialog::~CMainDialog() {
    // Destroyed with a submission under way (the application quitting), the
    // dialog stops it and waits for the worker, so no process lingers
    // without a window.
    if (submitting_) {
        stop_->stop();
        submission_->waitForFinished();
    }
    recovery_.writeNow();
}

QWidget* CMainDialog::control(ControlId id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QLineEdit* CMainDialog::editLine(ControlId id) const {
    QWidget* field = control(id);
    if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

QTabBar* CMainDialog::tabBar() const {
    return qobject_cast<TabControl*>(control(ControlId::TabControl))->tabBar();
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
        for (ControlId id : kTabPages[index].controls) control(id)->setVisible(index == page);
    }
    control(ControlId::NextButton)->setVisible(page >= 0 && page < kLastTabPage);
}

void CMainDialog::setStartTexts() {
    for (const FormField& field : kFormFields) {
        setControlText(control(field.control), textFromBytes(field.startText));
    }
}

void CMainDialog::setAccessibleLabels() {
    for (const FormField& field : kFormFields) {
        QWidget* widget = control(field.control);
        const QString label = textFromBytes(fieldLabel(field.member));
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

// The colour boxes show each entry's colour in their lists, and the Screen
// Shot picture and its copy beside the boxes show the colours their texts
// would be sent as.
void CMainDialog::setUpColourBoxes() {
    std::array<const QComboBox*, kColourRoles.size()> boxes{};
    for (std::size_t i = 0; i < kColourRoles.size(); ++i) {
        auto* box = qobject_cast<QComboBox*>(control(controlOf(kColourRoles[i].field)));
        addColourSwatches(*box, *colourFieldOf(kColourRoles[i].field)->translation);
        boxes[i] = box;
    }
    QWidget* besideTheBoxes = control(ControlId::ColourSchemePreview);
    besideTheBoxes->setAccessibleName(
        QStringLiteral("Preview of your search results page in the colours chosen"));
    bindColourPreview({qobject_cast<PictureControl*>(control(ControlId::ScreenShotPicture)),
                       qobject_cast<PictureControl*>(besideTheBoxes)},
                      boxes);
}

void CMainDialog::pointAtMistakes() {
    std::vector<FieldHintMarks::Field> fields;
    for (const FormField& field : kFormFields) {
        fields.push_back({field.member, control(field.control), editLine(field.control),
                          textFromBytes(fieldLabel(field.member)), pageOf(field.control)});
    }
    hints_ = new FieldHintMarks(std::move(fields),
                                *qobject_cast<TabControl*>(control(ControlId::TabControl)), this);
}

void CMainDialog::createProfileFolder() {
    profileFolder_ = QDir::currentPath() + QStringLiteral("/Profiles");
    // An existing folder is fine, and a failure is left to the file dialogs,
    // which cope with a missing start folder on their own.
    QDir().mkdir(profileFolder_);
}

SiteProfile CMainDialog::formShown() const {
    SiteProfile form = profile_;
    for (const FormField& field : kFormFields) {
        storeShownText(controlText(control(field.control)), form.*field.member);
    }
    return form;
}

void CMainDialog::copyControlsToProfile() { profile_ = formShown(); }

void CMainDialog::copyProfileToControls() {
    for (const FormField& field : kFormFields) {
        setControlText(control(field.control), textFromBytes(profile_.*field.member));
    }
}

void CMainDialog::OnSubmit() {
    if (submitting_) return;
    hints_->showAll();
    copyControlsToProfile();
    // Emptied first, so no earlier submission's capture can show up in this
    // one's message, whatever happens below.
    idCodeReply_.clear();
    SiteProfile sent = profile_;
    for (const FormField& field : kFormFields) {
        sent.*field.member = shownTextAsUtf8(sent.*field.member);
    }
    submitting_ = true;
    stop_ = std::make_shared<StopSignal>();
    busy_.emplace(control(ControlId::CancelButton), [this] { stopSubmission(); });
    // The exchange blocks for as long as the service takes; on a worker
    // thread it leaves this one free to repaint, while the busy scope keeps
    // every key and click but Cancel's away from the form until the answer
    // is shown.
    submission_->setFuture(
        QtConcurrent::run([sent = std::move(sent), host = registrationHost_, stop = stop_] {
            return RunRegistrationExchange(sent, host, {}, stop.get());
        }));
}

void CMainDialog::stopSubmission() {
    if (!submitting_) return;
    stop_->stop();
    // The exchange notices at once, so the wait is short.
    submission_->waitForFinished();
    finishSubmission();
}

void CMainDialog::finishSubmission() {
    // Already reported when it was stopped; the watcher's own signal may
    // come later, even after the next submission has started.
    if (!submitting_ || !submission_->isFinished()) return;
    ExchangeResult result;
    try {
        result = submission_->result();
    } catch (...) {
        // The worker ended in an exception the exchange could not turn into
        // a result (such as running out of memory): the user gets the usual
        // failure messages rather than none.
        result = ExchangeResult{};
        result.failed = true;
        result.errorDetail = "the exchange ended in an unexpected error";
    }
    busy_.reset();
    submitting_ = false;
    idCodeReply_ = result.idCodeReply;
    if (result.failed) {
        qCWarning(lcSubmit).noquote()
            << "the exchange with" << QString::fromStdString(registrationHost_)
            << "failed:" << QString::fromStdString(result.errorDetail);
    } else if (result.idCodeReply.empty()) {
        qCWarning(lcSubmit) << "the service's reply held no line with the ID code";
    }
    ReportRegistrationOutcome(result, [this](const std::string& text) {
        prompts_.showMessage(this, textFromBytes(text));
    });
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

void CMainDialog::OnCancel() {
    if (submitting_) {
        stopSubmission();
    } else {
        reject();
    }
}

void CMainDialog::reject() {
    stopSubmission();
    if (mayEnd()) QDialog::reject();
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
