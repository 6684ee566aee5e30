#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "isobar/GridConstruction.h"
#include "state/AppState.h"
#include "support/WinterExample.h"

namespace isobra::test {

// The example's observations, read and applied as the program does it.
inline AppState WinterExample() {
    AppState state;
    const Status loaded = LoadWinterExample(state);
    EXPECT_TRUE(loaded) << loaded.message();
    return state;
}

// The example map: its observations and the grid constructed from them.
inline AppState WinterMap() {
    AppState state = WinterExample();
    EXPECT_TRUE(ComputePressureGrid(state.observations, state.field).ok());
    return state;
}

// A pressure field over nodes 0..25: a sum of bumps of random centre, width
// and depth around 1012 hPa, plus noise of up to `noise` grid units. Drawn
// from the raw 32-bit outputs of mt19937, which are the same everywhere.
inline void FillRandomField(PressureField& state, std::uint32_t seed, int bumps, int noise) {
    std::mt19937 rng(seed);
    auto uniform = [&](int lo, int hi) {
        return lo + static_cast<int>(rng() % static_cast<std::uint32_t>(hi - lo + 1));
    };
    struct Bump {
        double x, y, width, depth;
    };
    std::vector<Bump> field;
    for (int k = 0; k < bumps; ++k)
        field.push_back(
            {double(uniform(0, 25)), double(uniform(0, 25)), double(uniform(3, 9)), double(uniform(-3000, 3000))});
    for (int iy = 0; iy <= 25; ++iy) {
        for (int ix = 0; ix <= 25; ++ix) {
            double v = 101200;
            for (const Bump& b : field) {
                const double dx = (ix - b.x) / b.width, dy = (iy - b.y) / b.width;
                v += b.depth / (1.0 + dx * dx + dy * dy);
            }
            if (noise > 0) v += uniform(-noise, noise);
            state.pressureGrid.at(ix, iy) = static_cast<std::int32_t>(v);
        }
    }
}

}  // namespace isobra::test
