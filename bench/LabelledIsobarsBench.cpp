#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "BenchFiles.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarDrawing.h"
#include "isobar/LabelledIsobars.h"
#include "state/AppState.h"

namespace isobra {
namespace {

AppState Winter() {
    AppState state;
    benchdata::LoadExample(state);
    if (!ComputePressureGrid(state.observations, state.field)) throw std::runtime_error("example not computed");
    return state;
}

// The example's symbols and centres over a field of nine random highs and
// lows: about twice the isobars of the example at the same interval.
AppState Dense() {
    AppState state = Winter();
    std::mt19937 rng(12);
    struct Bump {
        double x, y, width, depth;
    };
    std::vector<Bump> bumps;
    for (int k = 0; k < 9; ++k)
        bumps.push_back({double(rng() % 26), double(rng() % 26), 3.0 + rng() % 5, double(int(rng() % 6000) - 3000)});
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) {
            double v = 101200;
            for (const Bump& b : bumps) {
                const double dx = (ix - b.x) / b.width, dy = (iy - b.y) / b.width;
                v += b.depth / (1.0 + dx * dx + dy * dy);
            }
            state.field.pressureGrid.at(ix, iy) = static_cast<std::int32_t>(v);
        }
    return state;
}

void Labelled(benchmark::State& bench, const AppState& state, float interval) {
    const LabelStyle style;
    std::size_t calls = 0, labels = 0, pressures = 0;
    for (auto _ : bench) {
        const IsobarLayout layout = LayOutIsobars(state.field.pressureGrid, state.field.grid, interval, interval / 2,
                                                  state.observations, state.field.plotTable, state.coastline, style);
        RecordingCanvas canvas;
        DrawLabelledIsobars(canvas, layout, state.field.plotTable, state.field.grid.pressureScale, 0);
        calls = canvas.calls.size();
        labels = layout.labels.size();
        pressures = layout.centralPressures.size();
    }
    bench.counters["calls"] = static_cast<double>(calls);
    bench.counters["labels"] = static_cast<double>(labels);
    bench.counters["pressures"] = static_cast<double>(pressures);
}

void BM_LabelledWinter(benchmark::State& bench) { Labelled(bench, Winter(), 200); }
BENCHMARK(BM_LabelledWinter)->Unit(benchmark::kMicrosecond);

void BM_LabelledDense1Hpa(benchmark::State& bench) { Labelled(bench, Dense(), 100); }
BENCHMARK(BM_LabelledDense1Hpa)->Unit(benchmark::kMicrosecond);

// The same drawing without labels, for comparison.
void BM_PlainWinter(benchmark::State& bench) {
    const AppState state = Winter();
    for (auto _ : bench) {
        RecordingCanvas canvas;
        DrawIsobars(canvas, state.field, state.colours.ColorOf(kIsobarColour));
        benchmark::DoNotOptimize(canvas.calls.size());
    }
}
BENCHMARK(BM_PlainWinter)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace isobra
