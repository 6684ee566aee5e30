#pragma once

#include <string>
#include <vector>

#include "model/Result.h"
#include "render/MapRenderer.h"
#include "render/RenderOptions.h"

namespace isobra {

// The jobs of a run, one per input, with the final path of every output.
// Wrong use comes back as a failure, found before anything is written: two
// outputs that would be one file (two spellings of one name, a link to
// another output, two inputs of the same name under --out-dir), or an
// output that would replace an input or the background picture.
Result<std::vector<RenderJob>> PlanJobs(const RenderOptions& options);

// The name an input's outputs take under --out-dir: its file name without
// the extension ("obs/winter.dat" gives "winter", "obs/.dat" ".dat").
std::string OutputStem(const std::string& input);

}  // namespace isobra
