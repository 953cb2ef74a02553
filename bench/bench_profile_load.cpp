// How long Load keeps the form busy with the largest profile it accepts:
// the file read, then its texts put into the controls, with the dialog shown
// on the page whose fields take them. Putting text into the controls is what
// costs; the reading itself is a few milliseconds (bench_profile_io).
#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "form/main_dialog.h"
#include "form/user_prompts.h"
#include "profile/profile_fields.h"
#include "profile/profile_file.h"
#include "qt_bench.h"

namespace tavimor {
namespace {

// Picks the one file every time.
class PickingPrompts final : public SilentPrompts {
public:
    explicit PickingPrompts(QString file) : file_(std::move(file)) {}
    void showMessage(QWidget*, const QString& text) override { failure = text; }
    QString chooseFileToLoad(QWidget*, const QString&, const QString&) override { return file_; }

    QString failure;

private:
    QString file_;
};

// A profile of the largest size accepted: everything in one field, or spread
// evenly over all 25.
SiteProfile largestProfile(bool spread) {
    const std::size_t room = kMaxProfileFileSize - 25 * 7;
    SiteProfile profile;
    if (!spread) {
        profile.query2.assign(room, 'q');
        return profile;
    }
    char fill = 'a';
    for (const ProfileField& field : kProfileFields)
        (profile.*field.member).assign(room / 25, fill++);
    return profile;
}

void LoadLargestProfile(benchmark::State& state, bool spread) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("largest.dat"));
    if (writeProfileFile(file.toStdString(), largestProfile(spread))) {
        state.SkipWithError("cannot write the profile");
        return;
    }
    PickingPrompts prompts(file);
    for (auto _ : state) {
        state.PauseTiming();
        CMainDialog dialog(prompts, scratchFolders(), "127.0.0.1:9");
        tabBarOf(dialog)->setCurrentIndex(spread ? 5 : 6);
        dialog.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        dialog.OnLoad();
        QCoreApplication::processEvents();  // and the repaint that shows it
    }
    if (!prompts.failure.isEmpty()) state.SkipWithError(prompts.failure.toStdString().c_str());
    state.counters["file_bytes"] = static_cast<double>(kMaxProfileFileSize);
}
BENCHMARK_CAPTURE(LoadLargestProfile, one_field, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadLargestProfile, spread, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavimor
