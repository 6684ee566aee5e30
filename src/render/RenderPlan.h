#pragma once

#include <string>
#include <vector>

#include "model/Result.h"
#include "render/MapRenderer.h"
#include "render/RenderOptions.h"

namespace isobra {

// The jobs of a run, one per input, with the final path of every output.
// Wrong use comes back as a failure: two outputs that would be one file
// (two inputs of the same name under --out-dir), or, under --out-dir, an
// output that would replace one of the inputs.
Result<std::vector<RenderJob>> PlanJobs(const RenderOptions& options);

// The name an input's outputs take under --out-dir: its file name without
// the extension ("obs/winter.dat" gives "winter", "obs/.dat" ".dat").
std::string OutputStem(const std::string& input);

}  // namespace isobra
