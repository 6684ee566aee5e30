#include "state/AppState.h"

#include "model/StationTable.h"

namespace isobra {

AppState::AppState() { ApplyStartupSettings(); }

void AppState::ApplyStartupSettings() {
    field.grid = GridSettings{};
    field.plotTable.lastPlotIndex = 0;
    colours.ResetToDefaults();
    display.SetDisplayTime(1.0f);
    mouseMode = MouseMode::None;
    correctionHistory.Clear();
    InitStationTable(observations);
    lists.land.ResetToNames(observations);
}

}  // namespace isobra
