#include "model/ShipList.h"

namespace isobra {

Result<int> ShipList::Enter(ObservationSet& obs, int selected, const ShipReport& report, ShipRow typed) {
    const int n = RowCount();
    // With nothing selected (after a file load, say) a new report goes to the
    // end, as if the last row were selected: taking row 0 would silently
    // replace a report the user never chose.
    if (selected < 0 || selected >= n) selected = n - 1;
    const bool append = n == 0 || selected == n - 1;
    const int slot = append ? n : selected;
    if (!ObservationSet::IsSlot(slot)) return Result<int>::Fail(std::string(kFullListMessage));
    obs.ship(slot) = report;
    if (report.windForce == 0) typed.direction = kCalmDirection;
    WriteRow(slot, std::move(typed));
    CountRows(obs);
    return slot + (append ? 0 : 1);
}

}  // namespace isobra
