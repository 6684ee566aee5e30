#pragma once

#include "model/EntryList.h"
#include "model/ObservationSet.h"

namespace isobra {

// An entry list whose row k shows slot k of one table of the observations
// and whose row count is that table's count. `Table` says which table: its
// Row kind, Slot(observations, k), Count, SetCount and RowOf(slot) for a
// rebuilt row.
template <class Table>
class SlotList : public RowList<typename Table::Row> {
    using Base = RowList<typename Table::Row>;
    using Base::rows_;

public:
    using Base::RowCount;

    // "削除": the selected row goes and the slots after it move up. Returns the
    // row to select next (the one before, -1 when none).
    int Delete(ObservationSet& observations, int selected) {
        if (selected < 0 || selected >= RowCount()) return selected;
        RemoveRowAndSlot(observations, selected);
        return selected - 1;
    }
    // Rows rebuilt from the slots in use.
    void RebuildFromData(const ObservationSet& observations) {
        rows_.clear();
        for (int k = 0; k < Table::Count(observations); ++k)
            rows_.push_back(Table::RowOf(Table::Slot(observations, k)));
    }
    // No rows, and a count of 0.
    void Clear(ObservationSet& observations) {
        rows_.clear();
        Table::SetCount(observations, 0);
    }

protected:
    void RemoveRowAndSlot(ObservationSet& observations, int row) {
        const int n = RowCount();
        rows_.erase(rows_.begin() + row);
        for (int k = row; k + 1 < n; ++k) Table::Slot(observations, k) = Table::Slot(observations, k + 1);
        CountRows(observations);
    }
    void CountRows(ObservationSet& observations) const { Table::SetCount(observations, RowCount()); }
};

}  // namespace isobra
