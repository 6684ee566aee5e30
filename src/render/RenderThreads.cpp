#include "render/RenderThreads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

#include "render/RenderMessages.h"

namespace isobra {

namespace {

JobOutcome Unexpected(const RenderJob& job, const char* what) {
    JobOutcome outcome;
    outcome.failed = true;
    outcome.messages.push_back(
        ToolMessage(job.input, 0, std::string("予期しないエラーが起きました（") + what + "）。"));
    return outcome;
}

}  // namespace

void RenderOnThreads(const std::vector<RenderJob>& jobs, const RenderOptions& options, int threads,
                     const OutcomesReady& done) {
    std::vector<std::optional<JobOutcome>> ready(jobs.size());
    std::mutex mutex;
    std::condition_variable oneMore;
    std::atomic<std::size_t> next{0};

    auto work = [&](std::stop_token stop) {
        std::optional<MapRenderer> renderer;
        for (std::size_t i; !stop.stop_requested() && (i = next++) < jobs.size();) {
            JobOutcome outcome;
            try {
                if (!renderer) renderer.emplace(options);
                outcome = renderer->Render(jobs[i]);
            } catch (const std::exception& e) {
                outcome = Unexpected(jobs[i], e.what());
            } catch (...) {
                outcome = Unexpected(jobs[i], "unknown exception");
            }
            {
                const std::lock_guard lock(mutex);
                ready[i] = std::move(outcome);
            }
            oneMore.notify_one();
        }
    };
    std::vector<std::jthread> workers;
    const int count = std::clamp(threads, 1, static_cast<int>(std::max<std::size_t>(jobs.size(), 1)));
    for (int t = 0; t < count; ++t) workers.emplace_back(work);

    for (std::size_t handed = 0; handed < jobs.size();) {
        std::vector<JobOutcome> outcomes;
        {
            std::unique_lock lock(mutex);
            oneMore.wait(lock, [&] { return ready[handed].has_value(); });
            for (std::size_t i = handed; i < jobs.size() && ready[i]; ++i) {
                outcomes.push_back(std::move(*ready[i]));
                ready[i].reset();
            }
        }
        done(outcomes);
        handed += outcomes.size();
    }
}

}  // namespace isobra
