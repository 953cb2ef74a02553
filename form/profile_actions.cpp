#include "form/profile_actions.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <optional>
#include <utility>

#include "dialog_engine/text.h"
#include "dialog_engine/translated_text.h"
#include "form/busy_scope.h"
#include "form/form_binding.h"
#include "form/logging.h"
#include "form/profile_naming.h"
#include "form/user_prompts.h"
#include "profile/profile_file.h"

namespace tavimor {
namespace {

// The file-type entries of the two file dialogs, worded differently on purpose.
//: The Save dialog's file type, shown as it is; the dialog lists .dat files whatever it says.
const char* const kSaveFilterLabel =
    QT_TRANSLATE_NOOP("tavimor::ProfileActions", "Data Files *.DAT");
//: The Load dialog's file type; "(*.dat)" stays at the end, where the dialog reads
//: the files it lists.
const char* const kLoadFilterLabel =
    QT_TRANSLATE_NOOP("tavimor::ProfileActions", "Data Files (*.dat)");

// Logs the detail behind a failure and returns the sentence for the user.
QString reportedFailure(const ProfileFileError& error) {
    qCWarning(lcProfile).noquote()
        << textFromBytes(error.message.english()) << textFromBytes(error.detail);
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

ProfileActions::ProfileActions(FormBinding& form, UserPrompts& prompts, QWidget* window,
                               QString profileFolder, QObject* parent)
    : QObject(parent),
      form_(form),
      prompts_(prompts),
      window_(window),
      profileFolder_(std::move(profileFolder)) {}

bool ProfileActions::save() {
    form_.copyControlsToProfile();
    const QString chosen = prompts_.chooseFileToSave(window_, profileFolder_, tr(kSaveFilterLabel));
    if (chosen.isEmpty()) return false;

    // The file dialog asked about the name the user picked; when the ".dat"
    // rule names another file that already exists, nobody has yet agreed to
    // lose it.
    const QString file = profileSavePath(chosen);
    const QFileInfo target(file);
    if (file != chosen && target.exists() && !target.isDir()) {
        const QString question = tr("\"%1\" already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(file));
        if (!prompts_.askYesNo(window_, question)) return false;
    }

    std::optional<ProfileFileError> failure;
    {
        const BusyScope busy;
        failure = writeProfileFile(pathFromText(file), form_.profile());
    }
    if (failure) {
        prompts_.showMessage(window_, reportedFailure(*failure));
        return false;
    }
    emit saved();
    return true;
}

void ProfileActions::load() {
    // What the controls show is not copied into the record first: a failed
    // load leaves both as they were, and a good one replaces both.
    const QString chosen = prompts_.chooseFileToLoad(window_, profileFolder_, tr(kLoadFilterLabel));
    if (!chosen.isEmpty()) loadFile(chosen);
}

bool ProfileActions::loadFile(const QString& file) {
    std::optional<ProfileFileError> failure;
    {
        const BusyScope busy;
        ProfileResult<SiteProfile> loaded = readProfileFile(pathFromText(file));
        if (loaded) {
            form_.replaceProfile(std::move(loaded).value());
        } else {
            failure = loaded.error();
        }
    }
    if (failure) {
        prompts_.showMessage(window_, reportedFailure(*failure));
        return false;
    }
    emit loaded();
    return true;
}

void ProfileActions::acceptDrops(const std::vector<QLineEdit*>& fields) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
    for (QLineEdit* field : fields) field->installEventFilter(this);
}

bool ProfileActions::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = draggedFile(drop->mimeData());
        if (!file.isEmpty()) {
            drop->acceptProposedAction();
            if (type == QEvent::Drop) loadFile(file);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavimor
