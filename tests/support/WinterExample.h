#pragma once

#include <string>

#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/Result.h"
#include "state/AppState.h"

namespace isobra::test {

// The winter example that ships with the program, read whole and applied to
// `state` as opening it does; the grid is not constructed. A file that cannot
// be read or parsed leaves `state` as it was and says why.
inline Status LoadWinterExample(AppState& state) {
    const Result<std::string> bytes = ReadWholeFile(std::string(ISOBRA_TEST_DATA) + "/../../examples/winter.dat");
    if (!bytes) return Status::Fail(bytes.message());
    const Result<ObservationFileData> parsed = ParseObservationFile(*bytes);
    if (!parsed) return parsed.failure();
    ApplyObservationFile(*parsed, state.observations, state.field);
    return {};
}

}  // namespace isobra::test
