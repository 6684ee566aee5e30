#include <benchmark/benchmark.h>

#include <string>

#include "BenchFiles.h"
#include "canvas/MapCanvas.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarDrawing.h"
#include "model/ObservationFile.h"
#include "state/AppState.h"

namespace isobra {
namespace {

// Counts the calls and draws nothing: the cost measured is the tracing.
class CountingCanvas : public MapCanvas {
public:
    long lines = 0;
    long texts = 0;

    Colour ReadPixel(int, int) const override { return 0; }
    void SetBackgroundColour(Colour) override {}
    void SetForegroundColour(Colour) override {}
    void SetBackgroundPicture(std::shared_ptr<const RgbImage>) override {}
    Colour BackgroundColour() const override { return 0; }
    Colour ForegroundColour() const override { return 0; }
    std::shared_ptr<const RgbImage> BackgroundPicture() const override { return nullptr; }

protected:
    void DoLine(float, float, float, float, Colour) override { ++lines; }
    void DoBox(float, float, float, float, Colour) override {}
    void DoCircle(float, float, float, Colour) override {}
    void DoArc(float, float, float, Colour, float, float) override {}
    void DoClear() override {}
    void DoText(float, float, const std::string&, TextSize) override { ++texts; }
};

void BM_ConstructAndTrace(benchmark::State& bench) {
    AppState state;
    benchdata::LoadExample(state);
    CountingCanvas canvas;
    for (auto _ : bench) {
        const Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
        benchmark::DoNotOptimize(result.ok());
        DrawIsobars(canvas, state.field, state.colours.ColorOf(kIsobarColour));
    }
    bench.counters["lines"] = static_cast<double>(canvas.lines) / static_cast<double>(bench.iterations());
}
BENCHMARK(BM_ConstructAndTrace)->Unit(benchmark::kMicrosecond);

void BM_Construct(benchmark::State& bench) {
    AppState state;
    benchdata::LoadExample(state);
    for (auto _ : bench) benchmark::DoNotOptimize(ComputePressureGrid(state.observations, state.field).ok());
}
BENCHMARK(BM_Construct)->Unit(benchmark::kMicrosecond);

void BM_Trace(benchmark::State& bench) {
    AppState state;
    benchdata::LoadExample(state);
    (void)ComputePressureGrid(state.observations, state.field);
    CountingCanvas canvas;
    for (auto _ : bench) DrawIsobars(canvas, state.field, state.colours.ColorOf(kIsobarColour));
}
BENCHMARK(BM_Trace)->Unit(benchmark::kMicrosecond);

void BM_ReadObservationFile(benchmark::State& bench) {
    const std::string bytes = benchdata::ReadSourceFile("examples/winter.dat");
    for (auto _ : bench) benchmark::DoNotOptimize(ParseObservationFile(bytes).ok());
}
BENCHMARK(BM_ReadObservationFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace isobra
