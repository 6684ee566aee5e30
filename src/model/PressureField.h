#pragma once

#include "model/GridSettings.h"
#include "model/PlotTable.h"
#include "model/PressureGrid.h"

namespace isobra {

// What the isobar engine works on: the grid settings, the pressure grid with
// its work grid and centre marks, and the plot table the grid was built from
// (or loaded with). Grid passes, the isobar file and the drawings of the grid
// take this, never the whole program state.
struct PressureField {
    GridSettings grid;
    PressureGrid pressureGrid;
    WorkGrid workGrid;
    CentreMarks centreMarks;
    PlotTable plotTable;
};

}  // namespace isobra
