#include "model/FisheryList.h"

#include "model/EntryRows.h"
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

void FisheryList::RemoveRowAndSlot(ObservationSet& obs, int row) {
    const int n = RowCount();
    rows_.erase(rows_.begin() + row);
    for (int k = row; k + 1 < n; ++k) obs.fishery(k) = obs.fishery(k + 1);
    obs.SetFisheryCount(RowCount());
}

Result<int> FisheryList::Enter(ObservationSet& obs, int selected, FisheryEntry entry, FisheryRowTexts texts) {
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
        texts.pressure.clear();
    }
    obs.fishery(t) = entry;
    WriteRow(t, FisheryRow(texts.latitude, texts.longitude, kTypedLongitudeWidth, texts.pressure, entry.kind));
    obs.SetFisheryCount(RowCount());
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
    obs.SetFisheryCount(RowCount());
    return selected + 1;
}

int FisheryList::Delete(ObservationSet& obs, int selected) {
    if (selected < 0 || selected >= RowCount()) return selected;
    RemoveRowAndSlot(obs, selected);
    return selected - 1;
}

void FisheryList::RebuildFromData(const ObservationSet& obs) {
    rows_.clear();
    for (int k = 0; k < obs.fisheryCount(); ++k) rows_.push_back(FisheryRowFromData(obs.fishery(k)));
}

void FisheryList::Clear(ObservationSet& obs) {
    rows_.clear();
    obs.SetFisheryCount(0);
}

}  // namespace isobra
