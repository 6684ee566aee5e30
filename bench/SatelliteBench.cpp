#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"

namespace isobra {
namespace {

namespace fs = std::filesystem;

// Sources of random bytes in a folder of their own, made once for the run and
// flushed to the disk before any timing, so that their write-back does not
// land in the first benchmark.
class SatelliteSources {
public:
    SatelliteSources() : dir_(fs::temp_directory_path() / ("isobra-satbench-" + std::to_string(::getpid()))) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        std::mt19937 random(20240501);
        for (const char* code : {"B1", "R1", "G1", "E1"}) Write(std::string("sat.") + code, Random(random, 32000));
        Write("forg.003", Random(random, 320000));
        ::sync();
    }
    ~SatelliteSources() { fs::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

private:
    static std::string Random(std::mt19937& random, std::size_t size) {
        std::string bytes(size, '\0');
        for (char& b : bytes) b = static_cast<char>(random() & 0xff);
        return bytes;
    }
    void Write(const std::string& name, const std::string& bytes) const {
        const int fd = ::open(PathOf(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("cannot write " + name);
        ::close(fd);
    }

    fs::path dir_;
};

const SatelliteSources& Sources() {
    static const SatelliteSources sources;
    return sources;
}
const SatelliteSources& kMadeBeforeTiming = Sources();

// The floor any conversion stands on: read the sources, write 80118 bytes.
void ReadAndWritePlain(const std::vector<std::string>& inputs, const std::string& output, bool flush) {
    std::vector<char> buffer(320000);
    std::size_t total = 0;
    for (const std::string& input : inputs) {
        const int fd = ::open(input.c_str(), O_RDONLY);
        for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;) total += static_cast<std::size_t>(n);
        ::close(fd);
    }
    benchmark::DoNotOptimize(total);
    const int fd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, buffer.data(), 80118));
    if (flush) ::fsync(fd);
    ::close(fd);
}

std::vector<std::string> PlaneInputs() {
    std::vector<std::string> inputs;
    for (const char* code : {"B1", "R1", "G1", "E1"}) inputs.push_back(Sources().PathOf(std::string("sat.") + code));
    return inputs;
}

void BM_PlaneConversion(benchmark::State& state) {
    const std::string source = Sources().PathOf("sat.B1");
    for (auto _ : state) {
        const Result<std::string> written = ConvertPlaneFile(source);
        if (!written) state.SkipWithError(written.message().c_str());
    }
}
BENCHMARK(BM_PlaneConversion)->Unit(benchmark::kMicrosecond);

void BM_PlaneBaseline(benchmark::State& state) {
    const std::vector<std::string> inputs = PlaneInputs();
    const std::string output = Sources().PathOf("plain-planes.BMP");
    for (auto _ : state) ReadAndWritePlain(inputs, output, state.range(0) != 0);
}
BENCHMARK(BM_PlaneBaseline)->Arg(0)->Arg(1)->ArgName("fsync")->Unit(benchmark::kMicrosecond);

void BM_SensorConversion(benchmark::State& state) {
    const std::string source = Sources().PathOf("forg.003");
    for (auto _ : state) {
        const Result<std::string> written = ConvertSensorFile(source);
        if (!written) state.SkipWithError(written.message().c_str());
    }
}
BENCHMARK(BM_SensorConversion)->Unit(benchmark::kMicrosecond);

void BM_SensorBaseline(benchmark::State& state) {
    const std::vector<std::string> inputs = {Sources().PathOf("forg.003")};
    const std::string output = Sources().PathOf("plain-sensor.BMP");
    for (auto _ : state) ReadAndWritePlain(inputs, output, state.range(0) != 0);
}
BENCHMARK(BM_SensorBaseline)->Arg(0)->Arg(1)->ArgName("fsync")->Unit(benchmark::kMicrosecond);

// Conversion, plain baseline and baseline with fsync in turn, so that all
// three meet the same disk while other work shares the machine; reports each
// one's mean time and the conversion's ratio to both baselines.
void Paired(benchmark::State& state, const std::function<bool()>& convert, const std::vector<std::string>& inputs,
            const std::string& output) {
    using Clock = std::chrono::steady_clock;
    Clock::duration conversion{};
    Clock::duration plain{};
    Clock::duration flushed{};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        if (!convert()) state.SkipWithError("conversion failed");
        const Clock::time_point converted = Clock::now();
        ReadAndWritePlain(inputs, output, false);
        const Clock::time_point wrote = Clock::now();
        ReadAndWritePlain(inputs, output, true);
        flushed += Clock::now() - wrote;
        plain += wrote - converted;
        conversion += converted - start;
    }
    const auto micros = [&](Clock::duration d) {
        return std::chrono::duration<double, std::micro>(d).count() / static_cast<double>(state.iterations());
    };
    state.counters["conversion_us"] = micros(conversion);
    state.counters["baseline_us"] = micros(plain);
    state.counters["baseline_fsync_us"] = micros(flushed);
    state.counters["ratio"] = micros(conversion) / micros(plain);
    state.counters["ratio_fsync"] = micros(conversion) / micros(flushed);
}

void BM_PlanePaired(benchmark::State& state) {
    const std::string source = Sources().PathOf("sat.B1");
    Paired(
        state, [&] { return ConvertPlaneFile(source).ok(); }, PlaneInputs(), Sources().PathOf("plain-planes.BMP"));
}
BENCHMARK(BM_PlanePaired)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_SensorPaired(benchmark::State& state) {
    const std::string source = Sources().PathOf("forg.003");
    Paired(
        state, [&] { return ConvertSensorFile(source).ok(); }, {source}, Sources().PathOf("plain-sensor.BMP"));
}
BENCHMARK(BM_SensorPaired)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The conversion in memory alone, without any file.
void BM_PlaneBytesOnly(benchmark::State& state) {
    const std::string plane(32000, '\x5a');
    for (auto _ : state) benchmark::DoNotOptimize(ConvertPlaneBytes(plane, plane, plane, plane).ok());
}
BENCHMARK(BM_PlaneBytesOnly)->Unit(benchmark::kMicrosecond);

void BM_SensorBytesOnly(benchmark::State& state) {
    const std::string source(320000, '\x5a');
    for (auto _ : state) benchmark::DoNotOptimize(ConvertSensorBytes(source).ok());
}
BENCHMARK(BM_SensorBytesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace isobra
