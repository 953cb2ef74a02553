// How long the main dialog takes to appear and go away, beside the least a
// tabbed dialog costs: an empty QDialog holding one QTabBar, measured in the
// same run so the two figures share the machine's mood.
#include <QApplication>
#include <QDialog>
#include <QTabBar>

#include <benchmark/benchmark.h>

#include "form/main_dialog.h"
#include "qt_bench.h"

namespace tavimor {
namespace {

void BM_EmptyDialogWithTabBar(benchmark::State& state) {
    for (auto _ : state) {
        QDialog dialog;
        auto* tabs = new QTabBar(&dialog);
        tabs->addTab(QStringLiteral("Welcome"));
        dialog.show();
        QCoreApplication::processEvents();  // lets the first paint happen
        benchmark::DoNotOptimize(tabs->currentIndex());
    }
}
BENCHMARK(BM_EmptyDialogWithTabBar)->Unit(benchmark::kMillisecond);

void BM_MainDialogStart(benchmark::State& state) {
    SilentPrompts prompts;
    for (auto _ : state) {
        CMainDialog dialog(prompts, scratchFolders(), "127.0.0.1:9");
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(tabBarOf(dialog)->currentIndex());
    }
}
BENCHMARK(BM_MainDialogStart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavimor
