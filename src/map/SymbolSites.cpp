#include "map/SymbolSites.h"

#include <algorithm>

#include "model/AppState.h"
#include "model/StationTable.h"

namespace isobra {

namespace {

bool IsSymbolStation(int k, int stationCount) {
    if (k == kFujisanSlot) return false;
    if (k >= 0 && k <= 4) return true;
    if (k >= 7 && k <= 43) return (k - 7) % 4 == 0;
    return k >= 44 && k <= stationCount - 2;
}

bool HasPosition(int x, int y) { return x != 0 && y != 0; }

}  // namespace

std::vector<SymbolSite> CollectSymbolSites(const AppState& state) {
    const ObservationSet& obs = state.observations;
    const PlotTable& plot = state.plotTable;
    std::vector<SymbolSite> sites;

    const int lastStation = std::min<int>(obs.stationCount - 2, kSlotCount - 1);
    for (int k = 0; k <= lastStation; ++k) {
        if (!IsSymbolStation(k, obs.stationCount)) continue;
        const CanvasPoint p = obs.stationPosition(k);
        if (!HasPosition(p.x, p.y)) continue;
        const LandReport& r = obs.land(k);
        sites.push_back({p.x, p.y, r.weather, r.windDirection, r.windForce});
    }

    // Ship j sits in plot slot n + 1 + j by the counts the table was built
    // with. Ships beyond the live count have been removed from the list since.
    const int ships = std::min<int>(plot.shipCount, obs.shipCount);
    for (int j = 0; j < ships; ++j) {
        const long long slot = 1LL + plot.stationCount + j;
        if (slot < 0 || slot > plot.lastPlotIndex || slot >= kSlotCount) break;
        const PlotSlot& p = plot.slot(static_cast<int>(slot));
        if (!HasPosition(p.x, p.y)) continue;
        const ShipReport& r = obs.ship(j);
        sites.push_back({p.x, p.y, r.weather, r.windDirection, r.windForce});
    }
    return sites;
}

}  // namespace isobra
