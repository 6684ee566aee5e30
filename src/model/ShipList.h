#pragma once

#include "model/EntryList.h"
#include "model/EntryRows.h"
#include "model/ObservationSet.h"
#include "model/Result.h"

namespace isobra {

// The ship and buoy list: row k shows ship slot k, and the ship count is
// always the number of rows.
class ShipList : public EntryList {
public:
    // "データ入力": with the last row selected, no row selected or an empty
    // list the report is appended; otherwise it replaces the selected row.
    // Calm shows no direction. Returns the row to select next (the one after
    // the row written); refused with kFullListMessage when a 102nd row would
    // be needed.
    Result<int> Enter(ObservationSet& observations, int selected, const ShipReport& report, ShipRowTexts texts);
    // "削除": the selected row goes and the slots after it move up. Returns the
    // row to select next (the one before, -1 when none).
    int Delete(ObservationSet& observations, int selected);
    // Rows rebuilt from ship slots 0..shipCount-1.
    void RebuildFromData(const ObservationSet& observations);
    // No rows and no ships.
    void Clear(ObservationSet& observations);
};

}  // namespace isobra
