// The stages of one map in isobra-render, in one process: what a map costs
// once the program has started. The disk is left out (see many-maps.sh for
// whole runs).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <string>

#include "model/FileAccess.h"
#include "render/MapRenderer.h"
#include "render/OutputKinds.h"
#include "render/PngEncoding.h"
#include "render/RenderLayers.h"

namespace isobra {
namespace {

const std::string kExample = ISOBRA_EXAMPLES "/winter.dat";

RenderOptions Options(bool labels) {
    RenderOptions options;
    options.inputs = {kExample};
    options.layers = {"map", "isobars", "symbols", "wind", "fronts"};
    options.labels = labels;
    return options;
}

// Calls that write nothing: the outputs are made and thrown away.
FileSystemCalls Nowhere() {
    FileSystemCalls calls = FileSystemCalls::System();
    calls.write = [](int, const void*, std::size_t size) { return static_cast<ssize_t>(size); };
    calls.fsync = [](int) { return 0; };
    return calls;
}

// A whole map to PNG bytes: load, grid, layers, picture, encoding (the
// temporary file is opened and removed, nothing is written to it).
void WholeMap(benchmark::State& bench, bool labels) {
    const RenderOptions options = Options(labels);
    MapRenderer renderer(options);
    const RenderJob job{kExample, {{FindOutputKind("--png"), "/tmp/isobra-render-bench.png"}}};
    for (auto _ : bench) {
        JobOutcome outcome = renderer.Render(job, Nowhere());
        if (outcome.failed) bench.SkipWithError(outcome.messages.front().c_str());
    }
}
BENCHMARK_CAPTURE(WholeMap, plain, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WholeMap, labels, true)->Unit(benchmark::kMillisecond);

// The picture alone, from the drawn canvas: as written, and as the tool
// wrote it before (the full composition and Qt's PNG writer).
void Picture(benchmark::State& bench, bool fullColour) {
    const RenderOptions options = Options(false);
    MapRenderer renderer(options);
    JobOutcome loaded = renderer.Render({kExample, {}}, Nowhere());
    const QImageCanvas& canvas = renderer.Drawing();
    const PictureArea area = renderer.Area();
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const std::string png = fullColour ? EncodePng(canvas.Composite().copy(area.x, area.y, area.width, area.height))
                                           : EncodePng(*ComposeIndexed(canvas, area));
        bytes = png.size();
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(Picture, palette, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Picture, fullColourAsBefore, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace isobra

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
