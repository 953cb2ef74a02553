#pragma once

#include <QString>

class QWidget;

namespace tavimor {

// The answers to the question asked before unsaved changes would be lost.
enum class SaveChoice { Save, Discard, Cancel };

// Everything the dialogs ask of the user or tell them goes through this one
// interface, so the application shows real modal boxes while tests hand in a
// recorder (and, for questions, the answer to give).
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A modal message with a single OK button; returns once it is dismissed.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;

    // The path of the file to save to, or an empty string when the user
    // cancelled. The dialog opens in `folder` with the one file-type entry
    // `filterLabel`, proposes no name, adds no suffix, and asks before an
    // existing file is picked.
    virtual QString chooseFileToSave(QWidget* parent, const QString& folder,
                                     const QString& filterLabel) = 0;

    // The path of an existing file to load, or an empty string when the user
    // cancelled; opens in `folder` with the one file-type entry `filterLabel`.
    virtual QString chooseFileToLoad(QWidget* parent, const QString& folder,
                                     const QString& filterLabel) = 0;

    // A modal question answered Yes (true) or No.
    virtual bool askYesNo(QWidget* parent, const QString& question) = 0;

    // A modal question with the buttons Save, Discard and Cancel; Escape
    // cancels.
    virtual SaveChoice askToSaveChanges(QWidget* parent, const QString& question) = 0;

    // A modal question answered Restore (true) or Discard.
    virtual bool askToRestore(QWidget* parent, const QString& question) = 0;

    // A modal question answered Send Anyway (true) or Go Back, the default
    // and what Escape does.
    virtual bool askToSendAnyway(QWidget* parent, const QString& question) = 0;
};

// The real prompts: Qt's standard boxes, titled with the application's name,
// their text selectable and copied whole by Ctrl+C, and Qt's own file dialog.
class MessageBoxPrompts final : public UserPrompts {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    QString chooseFileToSave(QWidget* parent, const QString& folder,
                             const QString& filterLabel) override;
    QString chooseFileToLoad(QWidget* parent, const QString& folder,
                             const QString& filterLabel) override;
    bool askYesNo(QWidget* parent, const QString& question) override;
    SaveChoice askToSaveChanges(QWidget* parent, const QString& question) override;
    bool askToRestore(QWidget* parent, const QString& question) override;
    bool askToSendAnyway(QWidget* parent, const QString& question) override;
};

// Which of the two file dialogs a prompt is.
enum class FileDialogPurpose { Save, Load };

}  // namespace tavimor
