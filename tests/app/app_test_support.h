#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QTabBar>
#include <QTest>

#include <ostream>
#include <set>
#include <string_view>
#include <vector>

#include "app/main_dialog.h"
#include "app/tab_pages.h"
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

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <class Widget>
Widget* controlAs(const CMainDialog& dialog, int id) {
    return qobject_cast<Widget*>(dialog.control(id));
}

// Replaces a field's text as a user does: select all, type.
inline void typeInto(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
    field->setFocus();
    qobject_cast<QLineEdit*>(field)->selectAll();
    QTest::keyClicks(field, text);
}

inline std::set<int> pageControls(int page) {
    return {kTabPages[page].controlIds.begin(), kTabPages[page].controlIds.end()};
}

// The page controls a user can see now.
inline std::set<int> visiblePageControls(const CMainDialog& dialog) {
    std::set<int> visible;
    for (int page = 0; page < kTabPageCount; ++page) {
        for (int id : pageControls(page)) {
            if (dialog.control(id)->isVisibleTo(&dialog)) visible.insert(id);
        }
    }
    return visible;
}

// Clicks the tab of `page`, as a user picks a page.
inline void chooseTab(const CMainDialog& dialog, int page) {
    QTest::mouseClick(dialog.tabBar(), Qt::LeftButton, {}, dialog.tabBar()->tabRect(page).center());
}

}  // namespace tavimor::testing_support
