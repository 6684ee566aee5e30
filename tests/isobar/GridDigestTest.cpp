// Whole constructions of the pressure grid against digests of the grids the
// construction gave when these were written: a faster pass must give every
// node and every centre mark as before, on real reports and on random ones
// from nearly empty to crowded.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "isobar/GridConstruction.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "state/AppState.h"

namespace isobra {
namespace {

std::uint64_t Digest(const PressureField& field, const GridConstructionReport& report) {
    std::uint64_t h = 14695981039346656037u;
    auto add = [&h](std::int64_t v) {
        for (int i = 0; i < 8; ++i, v >>= 8) h = (h ^ static_cast<std::uint8_t>(v)) * 1099511628211u;
    };
    for (int iy = 0; iy < NodeTable::kSize; ++iy)
        for (int ix = 0; ix < NodeTable::kSize; ++ix) {
            add(field.pressureGrid.at(ix, iy));
            add(field.centreMarks.at(ix, iy));
        }
    add(report.tooSparse);
    add(report.leftOutIsobarPoints);
    return h;
}

// A report of `seed`'s making: some of the stations with pressures, a few
// ships, and fishery items of every kind, isobar points in runs of one value.
class RandomReport {
public:
    explicit RandomReport(std::uint64_t seed) : seed_(seed) {}

    void Fill(ObservationSet& obs) {
        const int stations = obs.stationCount();
        const int share = 1 + Next(10);  // tenths of the stations with a pressure
        for (int k = 0; k < stations; ++k)
            if (Next(10) < share) obs.land(k).pressure = 980 + Next(60);
        obs.SetShipCount(Next(12));
        for (int k = 0; k < obs.shipCount(); ++k) {
            ShipReport& s = obs.ship(k);
            s.latitude = 18 + Next(38);
            s.longitude = 118 + Next(36);
            s.pressure = Next(5) == 0 ? 0 : 970 + Next(70);
        }
        const char* kinds[] = {"高気圧", "低気圧", "台風", "寒冷前線", "温暖前線"};
        int f = 0;
        for (int items = Next(8); items > 0 && f < 30; --items) {
            const bool isobar = Next(3) == 0;
            const int run = isobar ? 2 + Next(4) : 1;
            const int pressure = 970 + Next(70);
            int lat = 20 + Next(30), lon = 120 + Next(30);
            for (int i = 0; i < run; ++i, ++f) {
                FisheryEntry& e = obs.fishery(f);
                e.kind = isobar ? "等圧線" : kinds[Next(5)];
                e.latitude = lat;
                e.longitude = lon;
                e.pressure = isobar || Next(4) != 0 ? pressure : 0;
                lat += Next(5) - 2;
                lon += Next(4);
            }
        }
        obs.SetFisheryCount(f);
    }

private:
    int Next(int range) {
        seed_ = seed_ * 6364136223846793005u + 1442695040888963407u;
        return static_cast<int>((seed_ >> 33) % static_cast<std::uint64_t>(range));
    }
    std::uint64_t seed_;
};

TEST(GridDigest, RandomReportsGiveTheGridsTheyAlwaysGave) {
    const struct {
        std::uint64_t seed;
        std::uint64_t digest;
    } cases[] = {
        {1, 7516757812182962689u},   {2, 6174577177724451175u},   {3, 1837326911771252161u},
        {4, 13346855378612667694u},  {5, 14016897728237370029u},  {6, 3887645349808494707u},
        {7, 15051978599018099381u},  {8, 8817358858298208722u},   {9, 4156498433492748567u},
        {10, 5019878129284097035u},  {11, 11982078766519326188u}, {12, 16279774798691942847u},
        {13, 6624955914938819094u},  {14, 9534121221314078547u},  {15, 1132005004585017315u},
        {16, 5976312609958687066u},  {17, 10533133213447771485u}, {18, 7956271336161837719u},
        {19, 15648025642978042181u}, {20, 4213512107904516579u},
    };
    for (const auto& c : cases) {
        AppState state;
        RandomReport(c.seed).Fill(state.observations);
        const Result<GridConstructionReport> report = ComputePressureGrid(state.observations, state.field);
        ASSERT_TRUE(report.ok()) << "seed " << c.seed;
        EXPECT_EQ(Digest(state.field, *report), c.digest) << "seed " << c.seed;
    }
}

TEST(GridDigest, ReportFilesGiveTheGridsTheyAlwaysGave) {
    const struct {
        const char* file;
        std::uint64_t digest;
    } cases[] = {
        {"examples/winter.dat", 18413473761058363343u},
        {"tests/data/highest-pressure.dat", 12040204166734538786u},
        {"tests/data/katakana-and-frost.dat", 634196089132410990u},
    };
    for (const auto& c : cases) {
        const std::string path = std::string(ISOBRA_SOURCE_DIR "/") + c.file;
        const Result<std::string> bytes = ReadWholeFile(path);
        ASSERT_TRUE(bytes.ok()) << path;
        const Result<ObservationFileData> parsed = ParseObservationFile(*bytes);
        ASSERT_TRUE(parsed.ok()) << path << ": " << parsed.message();
        AppState state;
        ApplyObservationFile(*parsed, state.observations, state.field);
        const Result<GridConstructionReport> report = ComputePressureGrid(state.observations, state.field);
        ASSERT_TRUE(report.ok()) << path;
        EXPECT_EQ(Digest(state.field, *report), c.digest) << c.file;
    }
}

}  // namespace
}  // namespace isobra
