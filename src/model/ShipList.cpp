#include "model/ShipList.h"

namespace isobra {

Result<int> ShipList::Enter(ObservationSet& obs, int selected, const ShipReport& report, ShipRowTexts texts) {
    const int n = RowCount();
    // With nothing selected (after a file load, say) a new report goes to the
    // end, as if the last row were selected: taking row 0 would silently
    // replace a report the user never chose.
    if (selected < 0 || selected >= n) selected = n - 1;
    const bool append = n == 0 || selected == n - 1;
    const int slot = append ? n : selected;
    if (!ObservationSet::IsSlot(slot)) return Result<int>::Fail(std::string(kFullListMessage));
    obs.ship(slot) = report;
    if (report.windForce == 0) texts.direction = kCalmDirection;
    WriteRow(slot, ShipRow(texts));
    obs.SetShipCount(RowCount());
    return slot + (append ? 0 : 1);
}

int ShipList::Delete(ObservationSet& obs, int selected) {
    const int n = RowCount();
    if (selected < 0 || selected >= n) return selected;
    rows_.erase(rows_.begin() + selected);
    for (int k = selected; k + 1 < n; ++k) obs.ship(k) = obs.ship(k + 1);
    obs.SetShipCount(RowCount());
    return selected - 1;
}

void ShipList::RebuildFromData(const ObservationSet& obs) {
    rows_.clear();
    for (int k = 0; k < obs.shipCount(); ++k) rows_.push_back(ShipRowFromData(obs.ship(k)));
}

void ShipList::Clear(ObservationSet& obs) {
    rows_.clear();
    obs.SetShipCount(0);
}

}  // namespace isobra
