#pragma once

#include "model/EntryRows.h"
#include "model/Result.h"
#include "model/SlotList.h"

namespace isobra {

struct ShipTable {
    using Row = ShipRow;
    static ShipReport& Slot(ObservationSet& o, int k) { return o.ship(k); }
    static const ShipReport& Slot(const ObservationSet& o, int k) { return o.ship(k); }
    static int Count(const ObservationSet& o) { return o.shipCount(); }
    static void SetCount(ObservationSet& o, int count) { o.SetShipCount(count); }
    static ShipRow RowOf(const ShipReport& report) { return ShipRowFromData(report); }
};

// The ship and buoy list: row k shows ship slot k, and the ship count is
// always the number of rows.
class ShipList : public SlotList<ShipTable> {
public:
    // "データ入力": with the last row selected, no row selected or an empty
    // list the report is appended; otherwise it replaces the selected row.
    // Calm shows no direction. Returns the row to select next (the one after
    // the row written); refused with kFullListMessage when a 102nd row would
    // be needed.
    Result<int> Enter(ObservationSet& observations, int selected, const ShipReport& report, ShipRow typed);
};

}  // namespace isobra
