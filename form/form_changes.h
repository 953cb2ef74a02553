#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QLineEdit;

namespace tavimor {

// Tells whether the form differs from what it last matched: the texts it
// started with, or what the last Save wrote or the last Load read. A field
// edited back to that text counts as unchanged again, as in any editor.
class FormChanges final : public QObject {
    Q_OBJECT

public:
    // Watches the edit lines of the form's fields (for a combo box, its own
    // edit line), which must outlive this.
    explicit FormChanges(std::vector<QLineEdit*> fields, QObject* parent = nullptr);

    // What the fields show now is the form as saved, loaded or started with.
    void markUnchanged();

    bool isChanged() const { return differing_ > 0; }

signals:
    // A field's text changed, and the form differs from what it matched.
    void edited();
    // Every field shows what the form matched again.
    void becameUnchanged();

private:
    void fieldEdited(std::size_t index);

    std::vector<QLineEdit*> fields_;
    std::vector<QString> unchanged_;
    std::vector<bool> differs_;
    int differing_ = 0;
};

}  // namespace tavimor
