#include "render/RenderPlan.h"

#include <sys/stat.h>

#include <map>
#include <utility>

#include "model/FileAccess.h"
#include "render/OutputKinds.h"

namespace isobra {

namespace {

// Two names of one existing file (a link, "./a" and "a") share this.
using FileId = std::pair<dev_t, ino_t>;

bool IdOf(const std::string& path, FileId& id) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    id = {info.st_dev, info.st_ino};
    return true;
}

}  // namespace

std::string OutputStem(const std::string& input) {
    std::string name = FileNameOf(input);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

Result<std::vector<RenderJob>> PlanJobs(const RenderOptions& options) {
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

    std::map<std::string, const std::string*> byName;
    std::map<FileId, const std::string*> byId;
    auto clash = [](const std::string& path, const std::string& first, const std::string& second) {
        return Result<std::vector<RenderJob>>::Fail(first == second
                                                        ? path + " would be written twice for " + first
                                                        : first + " and " + second + " would both write " + path);
    };
    for (const RenderJob& job : jobs) {
        for (const OutputRequest& out : job.outputs) {
            const auto [named, newName] = byName.emplace(out.path, &job.input);
            if (!newName) return clash(out.path, *named->second, job.input);
            FileId id;
            if (!IdOf(out.path, id)) continue;
            const auto [same, newId] = byId.emplace(id, &job.input);
            if (!newId) return clash(out.path, *same->second, job.input);
        }
    }
    if (options.ManyMaps()) {
        for (const RenderJob& job : jobs) {
            FileId input;
            if (byName.count(job.input) || (IdOf(job.input, input) && byId.count(input)))
                return Result<std::vector<RenderJob>>::Fail("an output would replace the input " + job.input);
        }
    }
    return jobs;
}

}  // namespace isobra
