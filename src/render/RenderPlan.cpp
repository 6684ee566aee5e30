#include "render/RenderPlan.h"

#include <map>
#include <utility>

#include "model/FileAccess.h"
#include "model/FileIdentity.h"
#include "render/OutputKinds.h"

namespace isobra {

std::string OutputStem(const std::string& input) {
    std::string name = FileNameOf(input);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

Result<std::vector<RenderJob>> PlanJobs(const RenderOptions& options) {
    auto wrongUse = [](std::string problem) { return Result<std::vector<RenderJob>>::Fail(std::move(problem)); };
    std::vector<RenderJob> jobs;
    for (const std::string& input : options.inputs) {
        RenderJob job{input, options.outputs};
        if (options.ManyMaps()) {
            const std::string folder = options.outDir.back() == '/' ? options.outDir : options.outDir + "/";
            for (OutputRequest& out : job.outputs)
                out.path = folder + OutputStem(input) + std::string(out.kind->extension);
        }
        jobs.push_back(std::move(job));
    }

    // Files are told apart by identity, not by spelling: "s", "./s", a link
    // to s and a hard link of it are one file. Nothing is written yet.
    using Writer = std::pair<const std::string*, const OutputRequest*>;
    std::map<FileIdentity, Writer> outputs;
    for (const RenderJob& job : jobs) {
        for (const OutputRequest& out : job.outputs) {
            const auto [same, first] = outputs.try_emplace(FileIdentity::Of(out.path), &job.input, &out);
            if (first) continue;
            const auto [input, request] = same->second;
            if (!options.ManyMaps())
                return wrongUse(std::string(request->kind->option) + " " + request->path + " and " +
                                std::string(out.kind->option) + " " + out.path + " are one file");
            return wrongUse(*input == job.input ? out.path + " would be written twice for " + job.input
                                                : *input + " and " + job.input + " would both write " + out.path);
        }
    }
    std::vector<std::string> inputs = options.inputs;
    if (!options.background.empty()) inputs.push_back(options.background);
    for (const std::string& input : inputs)
        if (outputs.count(FileIdentity::Of(input))) return wrongUse("an output would replace the input " + input);
    return jobs;
}

}  // namespace isobra
