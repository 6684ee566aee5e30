// The observation-file reader on any bytes: it refuses with a line and a
// reason or gives data that loads into the state and the entry lists, whose
// rows all make their texts.
#include "FuzzSupport.h"
#include "model/ObservationFile.h"
#include "model/ShiftJis.h"

using namespace isobra;

namespace {

// A row the list lines up in columns is exactly as wide as its columns.
void CheckRows(const EntryList& list) {
    for (int k = 0; k < list.RowCount(); ++k) {
        const RowCells cells = list.Cells(k);
        const std::string text = RowText(cells);
        if (!LinesUpInColumns(cells)) continue;
        int width = 0;
        for (const RowCell& cell : cells)
            width += cell.spaceBefore + (cell.width ? cell.width : CharacterCount(cell.text));
        fuzz::Require(CharacterCount(text) == width, "a row in columns is as wide as its columns", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<ObservationFileData> parsed = ParseObservationFile(fuzz::Bytes(data, size));
    if (!parsed) {
        fuzz::Require(parsed.line() >= 1 && !parsed.message().empty(), "a refusal names a line and a reason",
                      parsed.message());
        return 0;
    }
    AppState state;
    ApplyObservationFile(*parsed, state.observations, state.field);
    state.lists.RebuildFromData(state.observations);
    CheckRows(state.lists.land);
    CheckRows(state.lists.ships);
    CheckRows(state.lists.fishery);
    fuzz::Require(state.observations.stationCount() == static_cast<int>(parsed->land.size()), "station count");
    return 0;
}
