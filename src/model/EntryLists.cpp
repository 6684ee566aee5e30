#include "model/EntryLists.h"

#include <algorithm>

#include "model/ObservationFile.h"

namespace isobra {

void EntryLists::RebuildFromData(const ObservationSet& obs) {
    land.RebuildFromData(obs, obs.stationCount(), LandWeather::Always);
    ships.RebuildFromData(obs);
    fishery.RebuildFromData(obs);
}

void EntryLists::EraseAll(ObservationSet& obs, PressureField& field) {
    for (int k = 0; k < obs.stationCount(); ++k) obs.land(k) = LandReport{};
    obs.ClearShipAndFisheryValues();
    obs.observationDate.clear();
    field.pressureGrid.Fill(0);
    field.workGrid.Fill(0);

    land.ResetToNames(obs);
    ships.Clear(obs);
    fishery.Clear(obs);

    PlotTable& plot = field.plotTable;
    plot.shipCount = 0;
    plot.fisheryCount = 0;
    plot.lastPlotIndex = std::min(plot.lastPlotIndex, plot.stationCount);
}

void EntryLists::PrepareForSave(ObservationSet& obs) const {
    land.TakeStationCount(obs);
    NormaliseForSave(obs);
}

Result<std::string> EntryLists::FileAsSaved(const ObservationSet& obs) const {
    ObservationSet copy = obs;
    PrepareForSave(copy);
    return WriteObservationFile(copy);
}

}  // namespace isobra
