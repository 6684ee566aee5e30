#pragma once

#include "model/EntryList.h"
#include "model/EntryRows.h"
#include "model/ObservationSet.h"

namespace isobra {

// The station list of the land entry window: one row per station, its name
// alone until a report is entered. The station count follows the rows only
// when a report is saved: after loading a file with fewer stations, the rows
// of the stations beyond it stay.
class LandList : public RowList<LandRow> {
public:
    // The rows of the stations in use back to the bare station names (rows of
    // further stations stay as they are).
    void ResetToNames(const ObservationSet& observations);
    // Row `slot` rebuilt from its station's data, replacing the row or, where
    // the list is shorter, appended after rows of bare names.
    void SetRowFromData(const ObservationSet& observations, int slot, LandWeather weather);
    // Rows 0..count-1 rebuilt from the data, never beyond the stations in use.
    void RebuildFromData(const ObservationSet& observations, int count, LandWeather weather);

    // "データ入力": the report goes to the selected station (the first when
    // none is selected) and its row is rewritten from the typed texts (the
    // station's name is the list's). A station without pressure, wind and
    // temperature keeps no weather; calm shows no direction. Returns the row
    // to select next: the next station, or the last one again; a selection
    // beyond the list changes nothing.
    int Enter(ObservationSet& observations, int selected, LandReport report, LandRow typed);

    // A save takes the station count from the rows.
    void TakeStationCount(ObservationSet& observations) const;

private:
    void SetRow(const ObservationSet& observations, int slot, LandRow row);
};

}  // namespace isobra
