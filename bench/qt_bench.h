#pragma once

// Shared by the benchmarks that build dialogs (their main is
// qt_bench_main.cpp).

#include <QDir>
#include <QTabBar>

#include "dialog_engine/tab_control.h"
#include "dialog_engine/template_builder.h"
#include "dialog_engine/text.h"
#include "form/main_dialog.h"
#include "form/user_prompts.h"

namespace tavimor {

// Prompts that show nothing and choose nothing, for dialogs timed without a
// user.
class SilentPrompts : public UserPrompts {
public:
    void showMessage(QWidget*, const QString&) override {}
    QString chooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
    QString chooseFileToLoad(QWidget*, const QString&, const QString&) override { return {}; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    SaveChoice askToSaveChanges(QWidget*, const QString&) override { return SaveChoice::Discard; }
    bool askToRestore(QWidget*, const QString&) override { return false; }
    bool askToSendAnyway(QWidget*, const QString&) override { return true; }
};

inline QWidget* control(const QWidget& dialog, ControlId id) { return findControl(dialog, id); }

inline QTabBar* tabBarOf(const QWidget& dialog) {
    return qobject_cast<TabControl*>(findControl(dialog, ControlId::TabControl))->tabBar();
}

// The folders of the dialogs timed: in the scratch folder the benchmarks'
// main works in, so a run leaves nothing among the user's own files.
inline FormFolders scratchFolders() {
    const QString here = QDir::currentPath();
    QDir().mkdir(here + QStringLiteral("/Profiles"));
    return {here + QStringLiteral("/Profiles"), pathFromText(here) / "recovery",
            pathFromText(here) / "registrations"};
}

}  // namespace tavimor
