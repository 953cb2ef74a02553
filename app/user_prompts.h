#pragma once

#include <QString>

class QWidget;

namespace tavimor {

// Everything the dialogs ask of the user or tell them goes through this one
// interface, so the application shows real modal boxes while tests hand in a
// recorder (and, for questions, the answer to give). Further kinds of prompt,
// such as choosing a file to save or load or asking yes or no, belong here
// beside showMessage.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A modal message with a single OK button; returns once it is dismissed.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
};

// The real prompts: Qt's standard boxes, titled with the application's name.
class MessageBoxPrompts final : public UserPrompts {
public:
    void showMessage(QWidget* parent, const QString& text) override;
};

}  // namespace tavimor
