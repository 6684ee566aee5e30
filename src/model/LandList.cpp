#include "model/LandList.h"

#include <algorithm>

namespace isobra {

namespace {

LandRow NameRow(const std::string& name) { return {.name = name, .nameOnly = true}; }

}  // namespace

void LandList::SetRow(const ObservationSet& obs, int slot, LandRow row) {
    while (RowCount() < slot) rows_.push_back(NameRow(obs.stationName(RowCount())));
    WriteRow(slot, std::move(row));
}

void LandList::ResetToNames(const ObservationSet& obs) {
    for (int k = 0; k < obs.stationCount(); ++k) SetRow(obs, k, NameRow(obs.stationName(k)));
}

void LandList::SetRowFromData(const ObservationSet& obs, int slot, LandWeather weather) {
    if (ObservationSet::IsSlot(slot)) SetRow(obs, slot, LandRowFromData(obs, slot, weather));
}

void LandList::RebuildFromData(const ObservationSet& obs, int count, LandWeather weather) {
    const int rows = std::min(count, obs.stationCount());
    for (int k = 0; k < rows; ++k) SetRowFromData(obs, k, weather);
}

int LandList::Enter(ObservationSet& obs, int selected, LandReport report, LandRow typed) {
    const int i = std::max(selected, 0);
    if (i >= RowCount() || !ObservationSet::IsSlot(i)) return selected;
    if (!HasReport(report)) {
        report.weather = 0;
        typed.weather.clear();
    }
    if (report.windForce == 0) typed.direction = kCalmDirection;
    obs.land(i) = report;
    typed.name = obs.stationName(i);
    typed.made = RowMade::Typed;
    typed.nameOnly = false;
    WriteRow(i, std::move(typed));
    return i + 1 < RowCount() ? i + 1 : i;
}

void LandList::TakeStationCount(ObservationSet& obs) const { obs.SetStationCount(RowCount()); }

}  // namespace isobra
