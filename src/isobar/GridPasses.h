#pragma once

#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "model/Result.h"

namespace isobra {

// The passes that turn the observations into the pressure grid, in the
// order ComputePressureGrid runs them. Grid values are hundredths of a hPa;
// 0 means "no value yet". Passes that read the grid while they change it
// write into the work grid and copy it back at the end, so each node of a
// pass sees the values that stood before the pass.

// Fills the plot table from the observations (stations 0..n, ships, fishery
// items), remembers the counts it used and zeroes both grids. Refuses, and
// changes nothing, when the counts need more than the 101 plot slots
// (n + s + f above 100); the failure says so to the user.
Status BuildPlotTable(const ObservationSet& observations, PressureField& field);
bool PlotTableFits(int stationCount, int shipCount, int fisheryCount);

// Every node takes the rounded mean of the plotted pressures in its cell
// (slot 0 does not take part) and a centre mark when a high, low or typhoon
// with a pressure lies in it.
void SeedCellMeans(PressureField& field);

// Burns the fishery isobar points into the grid, joining consecutive points
// of equal value. Returns how many points were left out because their node
// lies outside the grid's storage; their segments are left out too.
int ImposeIsobarEntries(PressureField& field);

// Distances to the nearest node with a value in the eight directions,
// numbered like the keys of a numeric keypad, with y growing downwards
// (7 8 9 above, 4 6 beside, 1 2 3 below); 0 where none lies within reach
// (reach - 2 on the diagonals).
struct Neighbours {
    int d1 = 0, d2 = 0, d3 = 0, d4 = 0, d6 = 0, d7 = 0, d8 = 0, d9 = 0;
    bool operator==(const Neighbours&) const = default;
};
Neighbours FindNeighbours(const PressureGrid& grid, const GridSettings& settings, int ix, int iy, int reach);

// Fills empty nodes by linear interpolation between the nearest known nodes
// on the shortest of the four lines through them. Returns how many nodes
// hold a value afterwards.
int InterpolatePass(PressureField& field);

// Fills empty interior nodes on rings 1..rings around each centre with the
// mean of the ring's known values.
void FillCentreRings(PressureField& field, int rings);

// One round of outward extrapolation into empty interior nodes. Returns true
// while fewer nodes hold a value above 0 than there are interior nodes
// (576), false once the grid is full enough.
bool ExtrapolateSpiral(PressureField& field);
void ExtrapolateNode(PressureField& field, int x, int y);

// Replaces each node (except centre-marked ones) by the mean of its known
// interior neighbours, averaged with its own value when it has one.
void SmoothPass(PressureField& field);

// Sets rings 1..rings around each centre to their ring means.
void SmoothCentreRings(PressureField& field, int rings);

// Nodes 0..gridMaxX x 0..gridMaxY holding a value other than 0.
int CountNodesWithValue(const PressureGrid& grid, const GridSettings& settings);

}  // namespace isobra
