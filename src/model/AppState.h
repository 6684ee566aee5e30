#pragma once

#include <string>

#include "isobar/GridSettings.h"
#include "isobar/PlotTable.h"
#include "isobar/PressureGrid.h"
#include "map/CoastlineTable.h"
#include "model/ColorSettings.h"
#include "model/FileChooserState.h"
#include "model/ObservationSet.h"

namespace isobra {

// The mouse modes: what a click on the canvas does.
namespace mouse_mode {
inline constexpr const char* kNone = "";
inline constexpr const char* kRaise = "+";
inline constexpr const char* kLower = "-";
inline constexpr const char* kInspect = "?";
inline constexpr const char* kNorthSouth = "V";
inline constexpr const char* kEastWest = "H";
}  // namespace mouse_mode

// The one owner of the process-wide state. Windows and routines get it by
// reference; nothing is copied between windows.
class AppState {
public:
    AppState();

    // Puts every setting back to its start-up value and fills the station
    // table (reports stay as they are): the first steps of start-up.
    void ApplyStartupSettings();

    ObservationSet observations;
    GridSettings grid;
    PressureGrid pressureGrid;
    WorkGrid workGrid;
    CentreMarks centreMarks;
    PlotTable plotTable;
    ColorSettings colours;
    int selectedColourItem = 0;  // 0, or 1..10 while the colour dialog is open
    std::string mouseMode;       // see mouse_mode
    float continuousInterval = 1.0f;  // seconds between pictures of the continuous display
    CoastlineTable coastline;
    FileChooserState fileChooser;
};

// Clears the reports, the date and both grids. The three counts stay: the
// entry lists own the ship and fishery counts (the UI empties them and sets
// the counts to match). Latitude, longitude and kinds stay in their slots.
void EraseObservationData(AppState& state, int shipRows, int fisheryRows);

}  // namespace isobra
