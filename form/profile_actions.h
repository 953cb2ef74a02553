#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QDropEvent;
class QLineEdit;
class QWidget;

namespace tavimor {

class FormBinding;
class UserPrompts;

// Save and Load: the form's 25 values to and from a profile file the user
// picks in the profile folder, a profile dropped anywhere on the window, and
// one named when the program starts. The file format and the writing and
// reading belong to the core; here are the file dialogs, the naming rule and
// the questions. On any failure the form and the record stay as they were
// and a message says why.
class ProfileActions final : public QObject {
    Q_OBJECT

public:
    // `form`, `prompts` and `window` outlive this; the file dialogs open in
    // `profileFolder`.
    ProfileActions(FormBinding& form, UserPrompts& prompts, QWidget* window, QString profileFolder,
                   QObject* parent = nullptr);

    // Save's flow: copies the controls into the record and writes it to a
    // file the user picks. True when the profile was written.
    bool save();

    // Load's flow: reads a file the user picks into the record and its
    // controls.
    void load();

    // Loads `file` as Load does once a file is picked, replacing the form
    // without a question. True when it was loaded.
    bool loadFile(const QString& file);

    // A local file dropped on the window, or on any of `fields` (which would
    // otherwise take its name as text), is loaded.
    void acceptDrops(const std::vector<QLineEdit*>& fields);

signals:
    // The form now holds what a file holds: written by Save, or read by Load.
    void saved();
    void loaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormBinding& form_;
    UserPrompts& prompts_;
    QWidget* window_;
    QString profileFolder_;
};

}  // namespace tavimor
