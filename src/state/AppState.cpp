#include "state/AppState.h"

#include "model/StationTable.h"

namespace isobra {

AppState::AppState() { ApplyStartupSettings(); }

void AppState::ApplyStartupSettings() {
    field.grid = GridSettings{};
    observations.stationCount = kBuiltInStationCount;
    field.plotTable.lastPlotIndex = 0;
    continuousInterval = 1.0f;
    colours.ResetToDefaults();
    selectedColourItem = 0;
    mouseMode = MouseMode::None;
    InitStationTable(observations);
}

void EraseObservationData(AppState& state, int shipRows, int fisheryRows) {
    ObservationSet& obs = state.observations;
    for (int i = 0; i < obs.stationCount && ObservationSet::IsSlot(i); ++i) obs.land(i) = LandReport{};
    for (int r = shipRows - 1; r >= 0; --r) {
        if (!ObservationSet::IsSlot(r)) continue;
        ShipReport& ship = obs.ship(r);
        ship.windDirection = ship.windForce = ship.weather = ship.pressure = 0;
    }
    for (int r = fisheryRows - 1; r >= 0; --r) {
        if (!ObservationSet::IsSlot(r)) continue;
        obs.fishery(r).pressure = 0;
    }
    obs.observationDate.clear();
    state.field.pressureGrid.Fill(0);
    state.field.workGrid.Fill(0);
}

}  // namespace isobra
