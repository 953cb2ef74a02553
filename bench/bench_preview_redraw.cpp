// What a change of colour costs the Screen Shot preview, at the size the
// dialog gives the picture: the box's text translated, the shapes of that
// colour recoloured, read and drawn again, and the picture's parts laid
// together. Beside it, a repaint with nothing changed, which only copies the
// finished pixmap.
#include <QApplication>
#include <QComboBox>
#include <QImage>

#include <benchmark/benchmark.h>

#include "form/main_dialog.h"
#include "qt_bench.h"

namespace tavimor {
namespace {

// Paints the picture control the way its window would, into an image.
void paintPicture(const CMainDialog& dialog, QImage& into) {
    control(dialog, ControlId::ScreenShotPicture)->render(&into);
}

QImage canvasFor(const CMainDialog& dialog) {
    const QWidget* picture = control(dialog, ControlId::ScreenShotPicture);
    QImage image(picture->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// Each box with two entries to switch between; the link box colours the most
// shapes (eight texts), so its change costs the most.
struct ColourChange {
    ControlId box;
    const char* first;
    const char* second;
};
constexpr ColourChange kChanges[] = {
    {ControlId::BackgroundColourCombo, "Gold", "Teal"},
    {ControlId::LinkColourCombo, "Red", "Navy"},
};

void BM_PreviewRedrawAfterAColourChange(benchmark::State& state) {
    const ColourChange& change = kChanges[state.range(0)];
    SilentPrompts prompts;
    CMainDialog dialog(prompts, scratchFolders(), "127.0.0.1:9");
    auto* box = qobject_cast<QComboBox*>(control(dialog, change.box));
    const int first = box->findText(QString::fromLatin1(change.first));
    const int second = box->findText(QString::fromLatin1(change.second));
    QImage image = canvasFor(dialog);
    paintPicture(dialog, image);  // the parts that keep their colours, drawn once
    bool flip = false;
    for (auto _ : state) {
        box->setCurrentIndex((flip = !flip) ? first : second);
        paintPicture(dialog, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(state.range(0) == 0 ? "background" : "link text");
}
BENCHMARK(BM_PreviewRedrawAfterAColourChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PreviewRepaintUnchanged(benchmark::State& state) {
    SilentPrompts prompts;
    CMainDialog dialog(prompts, scratchFolders(), "127.0.0.1:9");
    QImage image = canvasFor(dialog);
    paintPicture(dialog, image);
    for (auto _ : state) {
        paintPicture(dialog, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PreviewRepaintUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavimor
