// Save and Load of the main dialog: the form's 25 values to and from a
// profile file, and profiles dropped on the window. The file format and the
// writing and reading belong to the core; here are the file dialogs, the
// naming rule and the questions.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <filesystem>
#include <optional>
#include <utility>

#include "app/busy_scope.h"
#include "app/field_hint_marks.h"
#include "app/form_changes.h"
#include "app/logging.h"
#include "app/main_dialog.h"
#include "app/profile_naming.h"
#include "app/translated_text.h"
#include "app/user_prompts.h"
#include "profile/profile_file.h"

namespace tavimor {
namespace {

// The file-type entries of the two file dialogs, worded differently on purpose.
const QString kSaveFilterLabel = QStringLiteral("Data Files *.DAT");
const QString kLoadFilterLabel = QStringLiteral("Data Files (*.dat)");

std::filesystem::path asPath(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

// Logs the detail behind a failure and returns the sentence for the user.
QString reportedFailure(const ProfileFileError& error) {
    qCWarning(lcProfile).noquote()
        << QString::fromLocal8Bit(error.message.english()) << QString::fromLocal8Bit(error.detail);
    return translated(error.message);
}

// The first local file among what is dragged, or an empty string: only a
// local file can be a profile to load.
QString draggedFile(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return {};
}

}  // namespace

void CMainDialog::OnSave() { saveProfile(); }

bool CMainDialog::saveProfile() {
    copyControlsToProfile();
    const QString chosen = prompts_.chooseFileToSave(this, profileFolder_, kSaveFilterLabel);
    if (chosen.isEmpty()) return false;

    // The file dialog asked about the name the user picked; when the ".dat"
    // rule names another file that already exists, nobody has yet agreed to
    // lose it.
    const QString file = profileSavePath(chosen);
    const QFileInfo target(file);
    if (file != chosen && target.exists() && !target.isDir()) {
        const QString question =
            QStringLiteral("\"%1\" already exists.\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(file));
        if (!prompts_.askYesNo(this, question)) return false;
    }

    std::optional<ProfileFileError> failure;
    {
        const BusyScope busy;
        failure = writeProfileFile(asPath(file), profile_);
    }
    if (failure) {
        prompts_.showMessage(this, reportedFailure(*failure));
        return false;
    }
    changes_->markUnchanged();
    return true;
}

void CMainDialog::OnLoad() {
    // What the controls show is not copied into the record first: a failed
    // load leaves both as they were, and a good one replaces both.
    const QString chosen = prompts_.chooseFileToLoad(this, profileFolder_, kLoadFilterLabel);
    if (!chosen.isEmpty()) loadProfile(chosen);
}

bool CMainDialog::loadProfile(const QString& file) {
    std::optional<ProfileFileError> failure;
    {
        const BusyScope busy;
        ProfileResult<SiteProfile> loaded = readProfileFile(asPath(file));
        if (loaded) {
            profile_ = std::move(loaded).value();
            copyProfileToControls();
        } else {
            failure = loaded.error();
        }
    }
    if (failure) {
        prompts_.showMessage(this, reportedFailure(*failure));
        return false;
    }
    changes_->markUnchanged();
    hints_->showAll();
    return true;
}

void CMainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainDialog::dropEvent(QDropEvent* event) {
    const QString file = draggedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    loadProfile(file);
}

bool CMainDialog::eventFilter(QObject* watched, QEvent* event) {
    // The fields would take a dropped file's name as text.
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!draggedFile(drop->mimeData()).isEmpty()) {
            if (type == QEvent::Drop) {
                dropEvent(drop);
            } else {
                drop->acceptProposedAction();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tavimor
