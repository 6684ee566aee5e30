#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "render/MapRenderer.h"

namespace isobra {

// Renders the jobs on `threads` threads, each with a renderer of its own,
// and hands the outcomes to `done` on the calling thread, in the order of
// the jobs: each call gets every outcome that is ready after the ones
// handed before. Anything a job throws
// becomes that job's failure. When `done` throws, the threads stop after
// their current job and the exception goes on.
using OutcomesReady = std::function<void(std::vector<JobOutcome>& outcomes)>;
void RenderOnThreads(const std::vector<RenderJob>& jobs, const RenderOptions& options, int threads,
                     const OutcomesReady& done);

}  // namespace isobra
