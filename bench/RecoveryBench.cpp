// What keeping the recovery file costs. The entry's own thread pays the
// snapshot (once per pause of the typist) and the hand-over to the journal;
// the journal's thread pays the atomic, flushed write.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "BenchFiles.h"
#include "model/FileAccess.h"
#include "model/RecoveryJournal.h"
#include "state/AppState.h"

namespace isobra {
namespace {

// A full report: 54 stations, the ships and fishery items of the example.
AppState& Example() {
    static AppState state = [] {
        AppState s;
        s.ApplyStartupSettings();
        benchdata::LoadExample(s);
        s.lists.RebuildFromData(s.observations);
        return s;
    }();
    return state;
}

std::filesystem::path Folder() {
    const auto folder = std::filesystem::temp_directory_path() / ("isobra-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

// On the entry's thread, when the short wait after a change ends.
void BM_RecoverySnapshot(benchmark::State& bench) {
    const AppState& state = Example();
    for (auto _ : bench) benchmark::DoNotOptimize(state.lists.FileAsSaved(state.observations).ok());
}
BENCHMARK(BM_RecoverySnapshot)->Unit(benchmark::kMicrosecond);

// On the entry's thread: handing a snapshot over never waits for the disk.
void BM_RecoveryHandOver(benchmark::State& bench) {
    const std::string bytes = *Example().lists.FileAsSaved(Example().observations);
    const auto folder = Folder();
    {
        RecoveryJournal journal((folder / "handover.dat").string());
        int n = 0;
        for (auto _ : bench) journal.Record(bytes + std::to_string(n++ % 2));
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecoveryHandOver)->Unit(benchmark::kMicrosecond);

// On the journal's thread: one write, flushed to the disk and renamed.
void BM_RecoveryWrite(benchmark::State& bench) {
    const std::string bytes = *Example().lists.FileAsSaved(Example().observations);
    const auto folder = Folder();
    const std::string path = (folder / "write.dat").string();
    for (auto _ : bench) {
        if (!SaveFileAtomically(path, bytes)) bench.SkipWithError("write failed");
    }
    bench.counters["bytes"] = static_cast<double>(bytes.size());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace isobra
