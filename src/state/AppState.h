#pragma once

#include <optional>
#include <string>

#include "isobar/GridHistory.h"
#include "map/CoastlineTable.h"
#include "model/ColorSettings.h"
#include "model/ContinuousDisplay.h"
#include "model/EntryLists.h"
#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "model/Result.h"
#include "state/MouseMode.h"

namespace isobra {

// The one owner of the process-wide state. Windows and commands get it by
// reference; nothing is copied between windows. Routines below this layer
// take only the pieces they use.
class AppState {
public:
    AppState();

    // Puts every setting back to its start-up value and fills the station
    // table and its list rows (reports stay as they are): the first steps of
    // start-up. The observations as they then stand count as saved.
    void ApplyStartupSettings();

    // The observation file a save would write now, changing nothing.
    Result<std::string> ObservationFileNow() const;
    // The observations are unsaved from the first change after the last
    // save, load, erase-all or start until the next of these: while a save
    // would write other bytes than they stood in then (a change undone by
    // hand undoes itself), and after they came back from a recovery file
    // until they are saved. Every window asks here; none keeps a copy.
    bool ObservationsUnsaved() const;
    // The observations as they now stand are in a file of the user's (saved
    // or loaded), or have nothing worth keeping (erased, the start).
    void MarkObservationsSaved();
    // They stand in no file of the user's: taken back from a recovery file.
    void MarkObservationsUnsaved();

    ObservationSet observations;
    EntryLists lists;     // the rows of the three entry windows; they set the counts
    PressureField field;  // grid settings, pressure grid, plot table
    // The hand corrections of this grid, for undo and redo. The commands that
    // replace or reset the grid (state/GridReplacement.h,
    // state/IsobarFileLoad.h) clear it.
    GridHistory correctionHistory;
    ColorSettings colours;
    ContinuousDisplay display;  // the show's files, kind and display time
    MouseMode mouseMode = MouseMode::None;
    bool labelIsobars = false;  // "気圧の数値を入れる": values on the isobars, central pressures
    CoastlineTable coastline;

private:
    void ResetSettings();

    // What a save would have written at the last mark; none after
    // MarkObservationsUnsaved. Until the first mark, that of a fresh state.
    std::optional<Result<std::string>> savedFile_;
    bool savedFresh_ = true;
};

}  // namespace isobra
