#include "form/registration_record.h"

#include <QWidget>

#include <utility>

#include "dialog_engine/text.h"
#include "form/registration_recorder.h"
#include "form/registrations_window.h"
#include "form/user_prompts.h"
#include "registrations/registration_store.h"

namespace tavimor {

RegistrationRecord::RegistrationRecord(UserPrompts& prompts, QWidget* window,
                                       std::filesystem::path folder, QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      window_(window),
      folder_(std::move(folder)),
      recorder_(new RegistrationRecorder(folder_, keeper_, this)) {
    connect(recorder_, &RegistrationRecorder::notice, this,
            [this](const QString& text) { prompts_.showMessage(window_, text); });
}

RegistrationRecord::~RegistrationRecord() { recorder_->waitForWrites(); }

void RegistrationRecord::keep(const std::string& idCodeReply, const std::string& host,
                              const SiteProfile& sent) {
    recorder_->keep(idCodeReply, host, sent);
}

void RegistrationRecord::noticesMayShow() { recorder_->releaseNotices(); }

void RegistrationRecord::showWindow(const std::function<void(const SiteProfile&)>& load) {
    // Whatever is being written is in the list the window shows.
    recorder_->waitForWrites();
    StoreResult<RegistrationStore> store = RegistrationStore::open(folder_);
    if (!store) {
        prompts_.showMessage(window_, tr("The record of registrations could not be opened: %1.")
                                          .arg(textFromBytes(store.error().reason)));
        return;
    }
    if (!store.value().damagedFileMovedTo().empty()) {
        prompts_.showMessage(window_, tr("The record of registrations was damaged. It was moved "
                                         "aside to %1, and a new record was started.")
                                          .arg(textFromPath(store.value().damagedFileMovedTo())));
    }
    RegistrationsWindow registrations(store.value(), keeper_, prompts_, window_);
    connect(&registrations, &RegistrationsWindow::loadRequested, this, load);
    connect(recorder_, &RegistrationRecorder::passwordAnswered, &registrations,
            &RegistrationsWindow::reload);
    registrations.exec();
}

}  // namespace tavimor
