#pragma once

// Shared by the benchmarks that build dialogs (their main is
// qt_bench_main.cpp).

#include "app/user_prompts.h"

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
};

}  // namespace tavimor
