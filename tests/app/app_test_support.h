#pragma once

#include <QString>
#include <QWidget>

#include <ostream>
#include <vector>

#include "app/main_dialog.h"
#include "app/user_prompts.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tavimor::testing_support {

// Records every message instead of showing it.
class RecordingPrompts final : public UserPrompts {
public:
    void showMessage(QWidget* /*parent*/, const QString& text) override {
        messages.push_back(text);
    }

    std::vector<QString> messages;
};

// The control with template id `id`, as the type the test expects; fails the
// calling test through a null pointer check at the call site.
template <class Widget>
Widget* controlAs(const CMainDialog& dialog, int id) {
    return qobject_cast<Widget*>(dialog.control(id));
}

}  // namespace tavimor::testing_support
