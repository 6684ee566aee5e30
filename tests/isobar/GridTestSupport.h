#pragma once

#include <initializer_list>
#include <string>

#include "model/PressureField.h"

namespace isobra::test {

// An PressureField whose plot table holds no stations and no ships, so that
// fishery items start at slot 1 and tests can place them directly.
inline PressureField EmptyPlotState() {
    PressureField state;
    state.plotTable = PlotTable{};
    state.pressureGrid.Fill(0);
    state.workGrid.Fill(0);
    state.centreMarks.Fill(0);
    return state;
}

// Appends a fishery item at canvas (x, y) to the plot table.
inline void AddItem(PressureField& state, const std::string& kind, int x, int y, int pressure) {
    PlotTable& t = state.plotTable;
    ++t.lastPlotIndex;
    ++t.fisheryCount;
    t.slot(t.lastPlotIndex) = PlotSlot{x, y, pressure, kind};
}

// Sets every node 0..25 x 0..25 of the pressure and work grids.
inline void FillGrids(PressureField& state, int value) {
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) state.pressureGrid.at(ix, iy) = state.workGrid.at(ix, iy) = value;
}

}  // namespace isobra::test
