#pragma once

// The files the core benchmarks read, found from the source folder whatever
// the working directory or the compiler's spelling of __FILE__. A file that
// cannot be read or parsed stops the run with its message.
#include <stdexcept>
#include <string>

#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "state/AppState.h"

namespace isobra::benchdata {

inline std::string SourcePath(const std::string& relative) { return std::string(ISOBRA_SOURCE_DIR "/") + relative; }

inline std::string ReadSourceFile(const std::string& relative) {
    const std::string path = SourcePath(relative);
    Result<std::string> bytes = ReadWholeFile(path);
    if (!bytes) throw std::runtime_error(path + ": " + bytes.message());
    return std::move(*bytes);
}

// The example report applied as "気象観測データ読みこみ" applies it.
inline void LoadExample(AppState& state) {
    const Result<ObservationFileData> parsed = ParseObservationFile(ReadSourceFile("examples/winter.dat"));
    if (!parsed) throw std::runtime_error(parsed.message());
    ApplyObservationFile(*parsed, state.observations, state.field);
}

}  // namespace isobra::benchdata
