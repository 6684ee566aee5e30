// The isobars with their values, as "気圧の数値を入れる" draws them, on any
// isobar file, over the observations of an observation file given before
// it (the two parts split by "\0ISOBARS\0"; without it the stations have no
// reports). Beyond drawing within the time limit: every value is its
// line's level written out, at most two stand on a line, and each value's
// box (its text with a pixel of room) lies inside the map, clear of the
// map's lines, of every symbol, wind arrow, front and centre letter, of the
// central pressures and of every other value.
#include "FuzzSupport.h"
#include "PlainChecks.h"
#include "isobar/IsobarFile.h"
#include "isobar/LabelledIsobars.h"
#include "model/ObservationFile.h"

using namespace isobra;

namespace {

constexpr std::string_view kSeparator{"\0ISOBARS\0", 9};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input = fuzz::Bytes(data, size);
    AppState state;
    if (const std::size_t split = input.find(kSeparator); split != std::string_view::npos) {
        if (const Result<ObservationFileData> observations = ParseObservationFile(input.substr(0, split)))
            ApplyObservationFile(*observations, state.observations, state.field);
        input.remove_prefix(split + kSeparator.size());
    }
    const int stations = state.observations.stationCount();
    const Result<IsobarFileData> parsed = ParseIsobarFile(input, state.field.grid, stations);
    if (!parsed || !ApplyIsobarFile(*parsed, stations, state.field)) return 0;

    const PressureField& field = state.field;
    const IsobarLayout layout =
        LayOutIsobars(field.pressureGrid, field.grid, field.grid.isobarInterval, field.grid.isobarHalfInterval,
                      state.observations, field.plotTable, state.coastline, LabelStyle{});
    const std::string problem = fuzz::LabelProblem(layout, field.grid.pressureScale);
    fuzz::Require(problem.empty(), "the values are placed as promised", problem);
    static PixelCanvas canvas;
    DrawLabelledIsobars(canvas, layout, field.plotTable, field.grid.pressureScale,
                        state.colours.ColorOf(kIsobarColour));
    return 0;
}
