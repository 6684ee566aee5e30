// One step of the show, as the user waits for it: an isobar file read,
// checked and applied, the map cleared and drawn again with its isobars on
// the Qt canvas, and the picture the window paints; or a picture read by
// its content and put under the drawing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "canvas/MapCanvas.h"
#include "state/AppState.h"
#include "state/IsobarFileLoad.h"
#include "state/IsobarLayer.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"

namespace isobra {
namespace {

const std::string kMap = ISOBRA_TEST_DATA "/winter-isobars.cnt";

void IsobarStep(benchmark::State& bench, bool labels) {
    AppState state;
    state.labelIsobars = labels;
    QImageCanvas canvas;
    for (auto _ : bench) {
        if (!LoadIsobarFile(kMap, 54, state)) bench.SkipWithError("the map does not load");
        RedrawIsobarMap(canvas, state);
        benchmark::DoNotOptimize(canvas.Composite());
    }
}

void BM_IsobarStep(benchmark::State& bench) { IsobarStep(bench, false); }
void BM_IsobarStepWithValues(benchmark::State& bench) { IsobarStep(bench, true); }

void BM_ImageStep(benchmark::State& bench) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sky.bmp"));
    QImage sky(kMapSize, kMapSize, QImage::Format_RGB32);
    for (int y = 0; y < sky.height(); ++y)
        for (int x = 0; x < sky.width(); ++x) sky.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    if (!sky.save(path, "BMP")) bench.SkipWithError("no picture to read");
    QImageCanvas canvas;
    for (auto _ : bench) {
        const Result<QImage> picture = ReadPictureFile(path);
        if (!picture) bench.SkipWithError("the picture does not load");
        canvas.SetBackgroundPicture(ToRgbImage(*picture));
        benchmark::DoNotOptimize(canvas.Composite());
    }
}

BENCHMARK(BM_IsobarStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsobarStepWithValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImageStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace isobra

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
