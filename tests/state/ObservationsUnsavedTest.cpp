#include <gtest/gtest.h>

#include <functional>

#include "state/AppState.h"

namespace isobra {
namespace {

// What the question before a load and the recovery file go by, step after
// step of one session.
TEST(ObservationsUnsaved, FromTheFirstChangeUntilTheNextSaveLoadOrErase) {
    struct Step {
        const char* name;
        std::function<void(AppState&)> act;
        bool unsaved;
    };
    const Step steps[] = {
        {"start", [](AppState&) {}, false},
        {"a pressure typed", [](AppState& s) { s.observations.land(0).pressure = 1008; }, true},
        {"and typed away again", [](AppState& s) { s.observations.land(0).pressure = 0; }, false},
        {"typed once more", [](AppState& s) { s.observations.land(5).temperature = -3; }, true},
        {"saved", [](AppState& s) { s.MarkObservationsSaved(); }, false},
        {"taken back from a recovery file", [](AppState& s) { s.MarkObservationsUnsaved(); }, true},
        {"a name no file can hold", [](AppState& s) { s.observations.stationName(0) = "石垣,島"; }, true},
        {"and that loaded", [](AppState& s) { s.MarkObservationsSaved(); }, false},
        {"then the file holds it again", [](AppState& s) { s.observations.stationName(0) = "石垣島"; }, true},
    };
    AppState state;
    for (const Step& step : steps) {
        step.act(state);
        EXPECT_EQ(state.ObservationsUnsaved(), step.unsaved) << step.name;
    }
}

}  // namespace
}  // namespace isobra
