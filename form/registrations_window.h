#pragma once

#include <QDialog>

#include "profile/site_profile.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tavimor {

class PasswordKeeper;
class RegistrationStore;
class RegistrationsModel;
struct RegistrationSummary;
class UserPrompts;

// The record of registrations, one row each, newest first: date, site name,
// site URL, ID code, e-mail and whether the keyring holds the password, with
// the commands for the chosen row (Copy ID Code, Copy Password, Load This
// Form, Remove) and Export... for them all. Passwords are read from the
// keyring only when copied, and never shown.
//
// The store, the keeper and the prompts must outlive the window. Every
// command works from the keyboard: the buttons have mnemonics, Ctrl+C on the
// table copies the ID code and Delete removes the row.
class RegistrationsWindow final : public QDialog {
    Q_OBJECT

public:
    RegistrationsWindow(RegistrationStore& store, PasswordKeeper& keeper, UserPrompts& prompts,
                        QWidget* parent = nullptr);
    ~RegistrationsWindow() override;

    // Reads the record again, e.g. once a registration was kept while the
    // window was open; the chosen row stays chosen if it is still there.
    void reload();

    QTableView* table() const { return table_; }
    const RegistrationsModel& model() const { return *model_; }

signals:
    // Load This Form: the form as it was sent, its password empty. Whoever
    // receives it loads it as Load does, asking first about unsaved changes.
    void loadRequested(const tavimor::SiteProfile& form);

private:
    QPushButton* addButton(const QString& text, const QString& objectName,
                           const QString& description);
    const RegistrationSummary* chosen() const;
    void showStatus(const QString& text);
    void updateButtons();

    void copyIdCode();
    void copyPassword();
    void loadForm();
    void removeChosen();
    void exportAll();

    RegistrationStore& store_;
    PasswordKeeper& keeper_;
    UserPrompts& prompts_;
    RegistrationsModel* model_;
    QTableView* table_;
    QLabel* status_;
    QPushButton* copyIdCode_ = nullptr;
    QPushButton* copyPassword_ = nullptr;
    QPushButton* loadForm_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* export_ = nullptr;
};

}  // namespace tavimor
