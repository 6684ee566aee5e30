// Drawing an isobar file whose front points lie as far off the map as the
// reader allows (+-9999999 px) against drawing the saved example: lines are
// clipped before they are walked and symbols off the canvas are left out,
// so both cost about the same.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "BenchFiles.h"
#include "canvas/PixelCanvas.h"
#include "isobar/IsobarFile.h"
#include "map/Fronts.h"
#include "state/AppState.h"
#include "state/IsobarLayer.h"

namespace isobra {
namespace {

void LoadSavedExample(AppState& state) {
    const Result<IsobarFileData> parsed = ParseIsobarFile(benchdata::ReadSourceFile("tests/data/winter-isobars.cnt"),
                                                          state.field.grid, state.observations.stationCount());
    if (!parsed) throw std::runtime_error(parsed.message());
    if (!ApplyIsobarFile(*parsed, state.observations.stationCount(), state.field)) throw std::runtime_error("apply");
}

// As many front points as the file can hold after the 54 stations, each
// segment crossing the map between opposite far corners.
void PutFarFronts(AppState& state) {
    constexpr std::int32_t kFar = 9999999;
    const char* kinds[] = {"寒冷前線", "温暖前線", "停滞前線"};
    PlotTable& table = state.field.plotTable;
    const int first = table.FirstFisherySlot();
    for (int k = first; k < kSlotCount; ++k) {
        const bool far = (k - first) % 2 == 1;
        table.slot(k) = PlotSlot{far ? kFar : 1, far ? kFar : 1, 0, kinds[(k - first) / 2 % 3]};
    }
    table.fisheryCount = kSlotCount - first;
    table.lastPlotIndex = kSlotCount - 1;
}

void Draw(benchmark::State& bench, const AppState& state) {
    for (auto _ : bench) {
        PixelCanvas canvas;
        DrawIsobarLayer(canvas, state);
        DrawFronts(canvas, state.field.plotTable, state.colours);
        benchmark::DoNotOptimize(canvas.pixels().pixels.data());
    }
}

void BM_DrawSavedExample(benchmark::State& bench) {
    AppState state;
    LoadSavedExample(state);
    Draw(bench, state);
}
BENCHMARK(BM_DrawSavedExample)->Unit(benchmark::kMillisecond);

void BM_DrawFarFronts(benchmark::State& bench) {
    AppState state;
    LoadSavedExample(state);
    PutFarFronts(state);
    Draw(bench, state);
}
BENCHMARK(BM_DrawFarFronts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace isobra
