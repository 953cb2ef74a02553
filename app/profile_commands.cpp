// Save and Load of the main dialog: the form's 25 values to and from a
// profile file. The file format and the writing and reading belong to the
// core; here are the file dialogs, the naming rule and the questions.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <optional>
#include <utility>

#include "app/busy_scope.h"
#include "app/logging.h"
#include "app/main_dialog.h"
#include "app/profile_naming.h"
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
    const QString message = QString::fromLocal8Bit(error.message);
    qCWarning(lcProfile).noquote() << message << QString::fromLocal8Bit(error.detail);
    return message;
}

}  // namespace

void CMainDialog::OnSave() {
    copyControlsToProfile();
    const QString chosen = prompts_.chooseFileToSave(this, profileFolder_, kSaveFilterLabel);
    if (chosen.isEmpty()) return;

    // The file dialog asked about the name the user picked; when the ".dat"
    // rule names another file that already exists, nobody has yet agreed to
    // lose it.
    const QString file = profileSavePath(chosen);
    const QFileInfo target(file);
    if (file != chosen && target.exists() && !target.isDir()) {
        const QString question =
            QStringLiteral("\"%1\" already exists.\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(file));
        if (!prompts_.askYesNo(this, question)) return;
    }

    std::optional<ProfileFileError> failure;
    {
        const BusyScope busy;
        failure = writeProfileFile(asPath(file), profile_);
    }
    if (failure) prompts_.showMessage(this, reportedFailure(*failure));
}

void CMainDialog::OnLoad() {
    // What the controls show is not copied into the record first: a failed
    // load leaves both as they were, and a good one replaces both.
    const QString chosen = prompts_.chooseFileToLoad(this, profileFolder_, kLoadFilterLabel);
    if (chosen.isEmpty()) return;

    std::optional<ProfileFileError> failure;
    {
        const BusyScope busy;
        ProfileResult<SiteProfile> loaded = readProfileFile(asPath(chosen));
        if (loaded) {
            profile_ = std::move(loaded).value();
            copyProfileToControls();
        } else {
            failure = loaded.error();
        }
    }
    if (failure) prompts_.showMessage(this, reportedFailure(*failure));
}

}  // namespace tavimor
