#pragma once

#include <QObject>

#include <filesystem>
#include <functional>
#include <string>

#include "form/password_keeper.h"
#include "profile/site_profile.h"

class QWidget;

namespace tavimor {

class RegistrationRecorder;
class UserPrompts;

// What the form keeps of the registrations the service gave: each one in the
// record in `folder`, its password in the desktop's keyring, and the window
// that lists them.
class RegistrationRecord final : public QObject {
    Q_OBJECT

public:
    // Messages are shown over `window`; both outlive this.
    RegistrationRecord(UserPrompts& prompts, QWidget* window, std::filesystem::path folder,
                       QObject* parent = nullptr);
    // Waits for a registration being written.
    ~RegistrationRecord() override;

    // A submission was answered with `idCodeReply` (not empty) for `sent`,
    // posted to `host`: kept in the background. What the user must be told of
    // it waits for noticesMayShow(), so that the ID code's box comes first.
    void keep(const std::string& idCodeReply, const std::string& host, const SiteProfile& sent);
    void noticesMayShow();

    // The Registrations window, modally; `load` is handed the form the user
    // asks to load.
    void showWindow(const std::function<void(const SiteProfile&)>& load);

private:
    UserPrompts& prompts_;
    QWidget* window_;
    std::filesystem::path folder_;
    PasswordKeeper keeper_;
    RegistrationRecorder* recorder_;
};

}  // namespace tavimor
