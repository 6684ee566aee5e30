#include "model/FisheryList.h"

#include "model/PlotKinds.h"

namespace isobra {

namespace {

// The row the entry and marker buttons write: the selected row, except that
// the last row appends.
int TargetRow(int selected, int rows) { return selected >= 0 && selected < rows - 1 ? selected : selected + 1; }

bool IsFrontPoint(std::string_view kind) {
    return kind == kWarmFrontKind || kind == kColdFrontKind || kind == kStationaryFrontKind ||
           kind == kOccludedFrontKind;
}

Result<int> Full() { return Result<int>::Fail(std::string(kFullListMessage)); }

}  // namespace

Result<int> FisheryList::Enter(ObservationSet& obs, int selected, FisheryEntry entry, FisheryRow typed) {
    // With nothing selected (after a file load, say) a new entry goes to the
    // end of the list, as if the last row were selected.
    if (selected < 0 || selected >= RowCount()) selected = RowCount() - 1;
    int t = TargetRow(selected, RowCount());

    // A pending marker before the target becomes the first point of a front,
    // or gives its place to any other entry.
    const bool markerBefore = t >= 2 && IsMarkerKind(obs.fishery(t - 1).kind);
    const bool takesMarkerPlace = markerBefore && !IsFrontKind(entry.kind);
    if (!ObservationSet::IsSlot(takesMarkerPlace ? t - 1 : t)) return Full();
    if (markerBefore) {
        if (!takesMarkerPlace) {
            obs.fishery(t - 1).kind = entry.kind;
        } else {
            RemoveRowAndSlot(obs, t - 1);
            selected = t - 2;
            t -= 1;
        }
    }

    if (IsFrontPoint(entry.kind)) {
        entry.pressure = 0;
        typed.pressure.clear();
    }
    typed.kind = entry.kind;
    typed.made = RowMade::Typed;
    obs.fishery(t) = std::move(entry);
    WriteRow(t, std::move(typed));
    CountRows(obs);
    return selected + 1;
}

Result<int> FisheryList::AddMarker(ObservationSet& obs, int selected, std::string_view marker) {
    if (selected < 0) return selected;
    const int t = TargetRow(selected, RowCount());
    if (t == 0) return selected;
    const FisheryEntry before = obs.fishery(t - 1);
    const bool afterLow = before.kind == kLowKind;
    const bool accepted = marker == kFromCentreMarker ? afterLow : afterLow || IsFrontKind(before.kind);
    if (!accepted || !IsMarkerKind(marker)) return selected;
    if (!ObservationSet::IsSlot(t)) return Full();

    FisheryEntry& entry = obs.fishery(t);
    entry = FisheryEntry{std::string(marker), before.latitude, before.longitude, 0};
    WriteRow(t, MarkerRow(entry));
    CountRows(obs);
    return selected + 1;
}

}  // namespace isobra
