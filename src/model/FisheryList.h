#pragma once

#include <string>
#include <string_view>

#include "model/EntryRows.h"
#include "model/Result.h"
#include "model/SlotList.h"

namespace isobra {

struct FisheryTable {
    using Row = FisheryRow;
    static FisheryEntry& Slot(ObservationSet& o, int k) { return o.fishery(k); }
    static const FisheryEntry& Slot(const ObservationSet& o, int k) { return o.fishery(k); }
    static int Count(const ObservationSet& o) { return o.fisheryCount(); }
    static void SetCount(ObservationSet& o, int count) { o.SetFisheryCount(count); }
    static FisheryRow RowOf(const FisheryEntry& entry) { return FisheryRowFromData(entry); }
};

// The fishery weather list: highs, lows, typhoons, isobar points and front
// points, row k showing fishery slot k; the fishery count is always the
// number of rows. The two marker buttons put a pending front start ("中心から"
// after a low, "そこから" after a low or a front) at the position of the entry
// before; the next front entry turns the marker's slot into that front's
// first point, any other entry takes the marker's place.
class FisheryList : public SlotList<FisheryTable> {
public:
    // "データ入力". The row written is the selected one, except that the last
    // row, no selection and an empty list append; it shows the typed
    // latitude, longitude and pressure and the entry's kind. A front point
    // carries no pressure, whatever was typed. Returns the row to select
    // next; refused with kFullListMessage when a 102nd row would be needed.
    Result<int> Enter(ObservationSet& observations, int selected, FisheryEntry entry, FisheryRow typed);
    // "中心から" and "そこから": nothing happens (the selection is returned as
    // it is) without a selection, at the top of the list or after an entry
    // of the wrong kind.
    Result<int> AddMarker(ObservationSet& observations, int selected, std::string_view marker);
};

}  // namespace isobra
