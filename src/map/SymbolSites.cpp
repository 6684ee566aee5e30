#include "map/SymbolSites.h"

#include <algorithm>

#include "model/StationTable.h"

namespace isobra {

namespace {

// The symbol stations in drawing order. The first two groups are fixed slots
// whatever the station count: a shorter station list loaded from a file
// leaves the slots behind it with their positions and last reports, and
// those are drawn. Only the tail from 44 follows the count, and it stops one
// short of the last station.
std::vector<int> SymbolStations(int stationCount) {
    std::vector<int> out = {0, 1, 2, 3, 4};
    for (int k = 7; k <= 43; k += 4) out.push_back(k);
    for (int k = 44; k <= stationCount - 2; ++k)
        if (k != kFujisanSlot) out.push_back(k);
    return out;
}

bool HasPosition(int x, int y) { return x != 0 && y != 0; }

}  // namespace

std::vector<SymbolSite> CollectSymbolSites(const ObservationSet& obs, const PlotTable& plot) {
    std::vector<SymbolSite> sites;

    for (const int k : SymbolStations(obs.stationCount())) {
        const CanvasPoint p = obs.stationPosition(k);
        if (!HasPosition(p.x, p.y)) continue;
        const LandReport& r = obs.land(k);
        sites.push_back({p.x, p.y, r.weather, r.windDirection, r.windForce});
    }

    // Ship j sits in plot slot n + 1 + j by the counts the table was built
    // with. Ships beyond the live count have been removed from the list since.
    const int ships = std::min<int>(plot.shipCount, obs.shipCount());
    for (int j = 0; j < ships; ++j) {
        // In 64 bits: a count read from nowhere sensible must not overflow.
        const long long slot = 1LL + plot.stationCount + j;
        if (slot < 1 || slot > plot.LastSlot()) break;
        const PlotSlot& p = plot.slot(static_cast<int>(slot));
        if (!HasPosition(p.x, p.y)) continue;
        const ShipReport& r = obs.ship(j);
        sites.push_back({p.x, p.y, r.weather, r.windDirection, r.windForce});
    }
    return sites;
}

}  // namespace isobra
