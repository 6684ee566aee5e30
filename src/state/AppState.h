#pragma once

#include <string>

#include "isobar/GridHistory.h"
#include "map/CoastlineTable.h"
#include "model/ColorSettings.h"
#include "model/ContinuousDisplay.h"
#include "model/EntryLists.h"
#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "state/MouseMode.h"

namespace isobra {

// The one owner of the process-wide state. Windows and commands get it by
// reference; nothing is copied between windows. Routines below this layer
// take only the pieces they use.
class AppState {
public:
    AppState();

    // Puts every setting back to its start-up value and fills the station
    // table and its list rows (reports stay as they are): the first steps of
    // start-up.
    void ApplyStartupSettings();

    ObservationSet observations;
    EntryLists lists;     // the rows of the three entry windows; they set the counts
    PressureField field;  // grid settings, pressure grid, plot table
    // The hand corrections of this grid, for undo and redo. The commands that
    // replace or reset the grid (state/GridReplacement.h,
    // state/IsobarFileLoad.h) clear it.
    GridHistory correctionHistory;
    ColorSettings colours;
    ContinuousDisplay display;  // the show's files, kind and display time
    MouseMode mouseMode = MouseMode::None;
    bool labelIsobars = false;  // "気圧の数値を入れる": values on the isobars, central pressures
    CoastlineTable coastline;
};

}  // namespace isobra
