#pragma once

#include <string>

#include "model/FisheryList.h"
#include "model/LandList.h"
#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "model/Result.h"
#include "model/ShipList.h"

namespace isobra {

// The three entry lists of one set of observations.
struct EntryLists {
    LandList land;
    ShipList ships;
    FisheryList fishery;

    // After a file load: the land rows of the file's stations show their
    // data (the rows of further stations stay), the ship and fishery lists
    // are rebuilt whole.
    void RebuildFromData(const ObservationSet& observations);

    // "消えますよｏｋ？": every report, the date and both grids are cleared,
    // the station rows go back to bare names and the ship and fishery lists
    // are emptied. Positions and kinds stay in their slots. The plot table
    // forgets its ships and fishery items, so no erased report or front is
    // drawn.
    void EraseAll(ObservationSet& observations, PressureField& field);

    // Before a save: the station count taken from the rows, negative values
    // of the reports in use set to 0 (these changes stay in memory).
    void PrepareForSave(ObservationSet& observations) const;
    // The observation file a save would write now, changing nothing.
    Result<std::string> FileAsSaved(const ObservationSet& observations) const;
};

}  // namespace isobra
