#include "form/registrations_window.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "dialog_engine/text.h"
#include "form/password_keeper.h"
#include "form/logging.h"
#include "form/registrations_model.h"
#include "form/user_prompts.h"
#include "registrations/registration_store.h"
#include "registrations/registration_text.h"

namespace tavimor {
namespace {

QString fromSystem(const std::string& text) { return QString::fromLocal8Bit(text); }

QString entryName(const RegistrationSummary& registration) {
    return textFromBytes(passwordEntryName(registration));
}

QString exportFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

RegistrationsWindow::RegistrationsWindow(RegistrationStore& store, PasswordKeeper& keeper,
                                         UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      store_(store),
      keeper_(keeper),
      prompts_(prompts),
      model_(new RegistrationsModel(this)),
      table_(new QTableView(this)),
      status_(new QLabel(this)) {
    setObjectName(QStringLiteral("registrations_window"));
    setWindowTitle(tr("Registrations"));

    table_->setObjectName(QStringLiteral("registrations_table"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves on to the buttons; the arrow keys move between rows.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->setAccessibleName(tr("Registrations"));
    table_->setAccessibleDescription(tr("One row per registration kept, newest first"));
    table_->verticalHeader()->hide();
    // Rows of one height, columns as wide as their usual texts: measuring
    // the texts of every row would cost more than the rest of the opening of
    // a long record together.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = table_->horizontalHeader();
    header->setStretchLastSection(true);
    const QFontMetrics metrics = table_->fontMetrics();
    const int margin = metrics.averageCharWidth() * 3;
    header->resizeSection(
        RegistrationsModel::Date,
        metrics.horizontalAdvance(QStringLiteral("2026-12-07 23:05:07")) + margin);
    header->resizeSection(RegistrationsModel::SiteName, metrics.averageCharWidth() * 22);
    header->resizeSection(RegistrationsModel::SiteUrl, metrics.averageCharWidth() * 30);
    header->resizeSection(RegistrationsModel::IdCode, metrics.averageCharWidth() * 12);
    header->resizeSection(RegistrationsModel::Email, metrics.averageCharWidth() * 26);

    status_->setObjectName(QStringLiteral("registrations_status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->hide();

    auto* buttons = new QHBoxLayout;
    const auto add = [&](QPushButton*& button, const QString& text, const char* name,
                         const QString& description) {
        button = addButton(text, QString::fromLatin1(name), description);
        buttons->addWidget(button);
    };
    add(copyIdCode_, tr("&Copy ID Code"), "copy_id_code_button",
        tr("Puts the ID code of the chosen registration on the clipboard"));
    add(copyPassword_, tr("Copy &Password"), "copy_password_button",
        tr("Puts the password of the chosen registration on the clipboard, from the keyring, "
           "without showing it"));
    add(loadForm_, tr("&Load This Form"), "load_form_button",
        tr("Loads the form of the chosen registration, as it was sent, into the main window"));
    add(remove_, tr("&Remove"), "remove_button",
        tr("Removes the chosen registration from the record and its password from the keyring"));
    add(export_, tr("&Export..."), "export_button",
        tr("Writes every registration, without passwords, to a CSV file"));
    buttons->addStretch();
    auto* close = addButton(tr("Close"), QStringLiteral("close_button"), tr("Closes this window"));
    // Enter closes the window: it never removes or overwrites anything.
    close->setDefault(true);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(copyIdCode_, &QPushButton::clicked, this, &RegistrationsWindow::copyIdCode);
    connect(copyPassword_, &QPushButton::clicked, this, &RegistrationsWindow::copyPassword);
    connect(loadForm_, &QPushButton::clicked, this, &RegistrationsWindow::loadForm);
    connect(remove_, &QPushButton::clicked, this, &RegistrationsWindow::removeChosen);
    connect(export_, &QPushButton::clicked, this, &RegistrationsWindow::exportAll);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegistrationsWindow::updateButtons);
    auto* copy = new QShortcut(QKeySequence::Copy, table_);
    copy->setContext(Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &RegistrationsWindow::copyIdCode);
    auto* removeKey = new QShortcut(QKeySequence::Delete, table_);
    removeKey->setContext(Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, &RegistrationsWindow::removeChosen);

    resize(metrics.averageCharWidth() * 150, metrics.height() * 26);
    reload();
    table_->setFocus();
}

RegistrationsWindow::~RegistrationsWindow() = default;

QPushButton* RegistrationsWindow::addButton(const QString& text, const QString& objectName,
                                            const QString& description) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setAccessibleName(QString(text).remove(u'&'));
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    return button;
}

void RegistrationsWindow::reload() {
    const RegistrationSummary* before = chosen();
    const std::int64_t chosenId = before ? before->id : 0;
    StoreResult<std::vector<RegistrationSummary>> rows = store_.summaries();
    if (!rows) {
        model_->setRegistrations({});
        showStatus(tr("The record of registrations could not be read: %1.")
                       .arg(fromSystem(rows.error().reason)));
        updateButtons();
        return;
    }
    model_->setRegistrations(std::move(rows).value());
    const auto& all = model_->registrations();
    const auto found =
        std::find_if(all.begin(), all.end(),
                     [chosenId](const RegistrationSummary& r) { return r.id == chosenId; });
    if (!all.empty()) {
        table_->setCurrentIndex(
            model_->index(found == all.end() ? 0 : int(found - all.begin()), 0));
    }
    showStatus(all.empty() ? tr("No registration has been kept yet.") : QString());
    updateButtons();
}

const RegistrationSummary* RegistrationsWindow::chosen() const {
    return model_->at(table_->currentIndex().row());
}

void RegistrationsWindow::showStatus(const QString& text) {
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void RegistrationsWindow::updateButtons() {
    const bool any = chosen() != nullptr;
    for (QPushButton* button : {copyIdCode_, copyPassword_, loadForm_, remove_}) {
        button->setEnabled(any);
    }
    export_->setEnabled(model_->rowCount() > 0);
}

void RegistrationsWindow::copyIdCode() {
    if (const RegistrationSummary* registration = chosen()) {
        QGuiApplication::clipboard()->setText(textFromBytes(registration->idCode));
        showStatus(tr("The ID code is on the clipboard."));
    }
}

void RegistrationsWindow::copyPassword() {
    const RegistrationSummary* registration = chosen();
    if (!registration) return;
    keeper_.read(entryName(*registration), this,
                 [this](const KeyringAnswer& answer, const QString& password) {
                     if (answer.done()) {
                         QGuiApplication::clipboard()->setText(password);
                         showStatus(tr("The password is on the clipboard."));
                         return;
                     }
                     qCWarning(lcRegistrations).noquote()
                         << "a password could not be read from the keyring:" << answer.reason;
                     prompts_.showMessage(
                         this, tr("The password could not be copied: %1.").arg(answer.reason));
                 });
}

void RegistrationsWindow::loadForm() {
    const RegistrationSummary* registration = chosen();
    if (!registration) return;
    const StoreResult<Registration> whole = store_.find(registration->id);
    if (!whole) {
        prompts_.showMessage(
            this, tr("The form could not be loaded: %1.").arg(fromSystem(whole.error().reason)));
        return;
    }
    emit loadRequested(whole.value().form);
}

void RegistrationsWindow::removeChosen() {
    const RegistrationSummary* registration = chosen();
    if (!registration) return;
    const RegistrationSummary doomed = *registration;
    const int row = table_->currentIndex().row();
    const QString question =
        tr("Remove the registration of %1 (ID code %2) from the record? Its password is removed "
           "from the keyring too.")
            .arg(textFromBytes(doomed.siteName), textFromBytes(doomed.idCode));
    if (!prompts_.askYesNo(this, question)) return;
    if (const std::optional<StoreError> error = store_.remove(doomed.id)) {
        prompts_.showMessage(
            this, tr("The registration could not be removed: %1.").arg(fromSystem(error->reason)));
        return;
    }
    model_->removeRegistration(row);
    if (model_->rowCount() > 0) {
        table_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
    } else {
        showStatus(tr("No registration has been kept yet."));
    }
    updateButtons();
    // The row is gone first: an entry left behind in the keyring is the
    // lesser harm, and the user is told its name to remove it by hand.
    const QString name = entryName(doomed);
    keeper_.remove(name, this, [this, name](const KeyringAnswer& answer) {
        using Outcome = KeyringAnswer::Outcome;
        if (answer.done() || answer.outcome == Outcome::NotFound ||
            answer.outcome == Outcome::NoKeyring) {
            return;
        }
        qCWarning(lcRegistrations).noquote()
            << "a keyring entry could not be removed:" << answer.reason;
        prompts_.showMessage(this, tr("The registration was removed, but its password is still in "
                                      "the keyring as \"%1\": %2.")
                                       .arg(name, answer.reason));
    });
}

void RegistrationsWindow::exportAll() {
    const QString file = prompts_.chooseFileToSave(this, exportFolder(), tr("CSV files (*.csv)"));
    if (file.isEmpty()) return;
    // Whole, as the record holds them now.
    StoreResult<std::vector<Registration>> rows = store_.list();
    if (!rows) {
        prompts_.showMessage(this, tr("The registrations could not be exported: %1.")
                                       .arg(fromSystem(rows.error().reason)));
        return;
    }
    for (Registration& registration : rows.value()) registration = shownAsUtf8(registration);
    const std::string csv = registrationsCsv(rows.value());
    QSaveFile out(file);
    const bool written = out.open(QIODevice::WriteOnly) &&
                         out.write(csv.data(), qint64(csv.size())) == qint64(csv.size()) &&
                         out.commit();
    if (!written) {
        prompts_.showMessage(
            this,
            tr("The registrations could not be exported to %1: %2.").arg(file, out.errorString()));
        return;
    }
    showStatus(tr("The registrations were exported to %1.").arg(file));
}

}  // namespace tavimor
