// isobra-render's command line and the plan of its outputs, on real files.
// The input is a list of words split at NUL bytes. Words beginning with "+"
// first lay out a small folder ("+f:NAME" a file, "+d:NAME" a folder,
// "+l:NAME>TARGET" a symbolic link, "+h:NAME>TARGET" a hard link); the
// others are the tool's arguments, read in that folder. A command line is
// refused with a reason, or read into inputs and outputs; a plan is refused
// with a reason, or every output is then written for real: afterwards every
// input (and the background picture) still holds what it held, and every
// output holds the bytes written for it, so no output replaced an input and
// no file was named twice. Nothing is written outside the folder.
#include <filesystem>
#include <map>
#include <vector>

#include "FuzzSupport.h"
#include "model/FileAccess.h"
#include "render/OutputKinds.h"
#include "render/RenderOptions.h"
#include "render/RenderPlan.h"

using namespace isobra;
namespace fs = std::filesystem;

namespace {

// The arguments are read two levels down in a folder of the run's own, so
// that "../.." still stays inside.
const fuzz::RunFolder& Folder() {
    static const fuzz::RunFolder folder("render-fuzz");
    return folder;
}

// The folder emptied and made the current one while it lives; libFuzzer
// finds its own files again afterwards, by their relative names.
class InFreshFolder {
public:
    InFreshFolder() : saved_(fs::current_path()) {
        Folder().Empty();
        fs::create_directories(fs::path(Folder().path()) / "a" / "b");
        fs::current_path(fs::path(Folder().path()) / "a" / "b");
    }
    ~InFreshFolder() { fs::current_path(saved_); }
    InFreshFolder(const InFreshFolder&) = delete;
    InFreshFolder& operator=(const InFreshFolder&) = delete;

private:
    fs::path saved_;
};

// Whether a file written at `path` would stay inside the run's folder (a
// path whose folder is missing cannot be written at all).
bool Inside(const std::string& path) {
    std::error_code error;
    const fs::path folder = fs::canonical(DirectoryOf(SaveTargetOf(path)), error);
    if (error) return true;
    static const std::string root = fs::canonical(Folder().path()).string() + "/";
    return (folder.string() + "/").compare(0, root.size(), root) == 0;
}

// A name inside the folder: relative, without "..".
bool Confined(std::string_view name) {
    if (name.empty() || name.size() > 64 || name.front() == '/') return false;
    for (std::size_t from = 0; from <= name.size();) {
        std::size_t slash = name.find('/', from);
        if (slash == std::string_view::npos) slash = name.size();
        if (name.substr(from, slash - from) == "..") return false;
        from = slash + 1;
    }
    return true;
}

void LayOut(std::string_view word) {
    if (word.size() < 3 || word[2] != ':') return;
    const std::string_view what = word.substr(3);
    const std::size_t arrow = what.find('>');
    const std::string name(what.substr(0, arrow));
    if (!Confined(name)) return;
    const std::string target = arrow == std::string_view::npos ? std::string() : std::string(what.substr(arrow + 1));
    std::error_code error;
    if (word[1] == 'f' && target.empty()) fuzz::WriteFile(name, "file " + name);
    if (word[1] == 'd' && target.empty()) fs::create_directories(name, error);
    // A link may point anywhere but to an absolute path; writes that would
    // leave the folder through one are not made (Inside).
    if (word[1] == 'l' && !target.empty() && target.front() != '/') fs::create_symlink(target, name, error);
    if (word[1] == 'h' && Confined(target)) fs::create_hard_link(target, name, error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    if (words.size() > 40) return 0;
    const InFreshFolder here;
    std::vector<std::string> args;
    for (const std::string& word : words) {
        if (word.starts_with("+"))
            LayOut(word);
        else
            args.push_back(word);
    }

    const CommandLine line = ParseCommandLine(args);
    if (line.action == CommandLine::Action::WrongUse) {
        fuzz::Require(!line.problem.empty(), "wrong use is told why");
        return 0;
    }
    if (line.action != CommandLine::Action::Render) return 0;
    const RenderOptions& options = line.options;
    fuzz::Require(!options.inputs.empty() && !options.outputs.empty(), "a map is made of an input into an output");
    const Result<std::vector<RenderJob>> jobs = PlanJobs(options);
    if (!jobs) {
        fuzz::Require(!jobs.message().empty(), "a plan refused is told why");
        return 0;
    }
    fuzz::Require(jobs->size() == options.inputs.size(), "a job for every input");

    // What every input holds before anything is written.
    std::vector<std::string> inputs = options.inputs;
    if (!options.background.empty()) inputs.push_back(options.background);
    std::map<std::string, std::string> before;
    for (const std::string& input : inputs)
        if (Result<std::string> bytes = ReadWholeFile(input)) before.emplace(input, std::move(*bytes));
    std::string outDir = options.outDir;
    while (outDir.size() > 1 && outDir.back() == '/') outDir.pop_back();
    if (options.ManyMaps() && (outDir == "/" || !Inside(outDir))) return 0;
    for (const RenderJob& job : *jobs)
        for (const OutputRequest& out : job.outputs)
            if (!Inside(out.path)) return 0;

    // Written as the tool writes them, each its own bytes.
    std::error_code error;
    if (options.ManyMaps()) fs::create_directory(outDir, error);
    std::vector<std::pair<StagedFile, std::string>> written;
    for (std::size_t j = 0; j < jobs->size(); ++j) {
        for (const OutputRequest& out : (*jobs)[j].outputs) {
            const std::string bytes = "output " + std::to_string(j) + std::string(out.kind->option);
            Result<StagedFile> staged =
                StagedFile::Stage(out.path, bytes, FileSystemCalls::System(), StagedFile::Durability::Unflushed);
            if (staged) written.emplace_back(std::move(*staged), bytes);
        }
    }
    std::vector<std::pair<std::string, std::string>> committed;
    for (auto& [file, bytes] : written)
        if (file.Commit()) committed.emplace_back(file.target(), bytes);
    for (const auto& [input, bytes] : before) {
        const Result<std::string> after = ReadWholeFile(input);
        fuzz::Require(after.ok() && *after == bytes, "an accepted plan never names an input as an output", input);
    }
    for (const auto& [target, bytes] : committed) {
        const Result<std::string> after = ReadWholeFile(target);
        fuzz::Require(after.ok() && *after == bytes, "an accepted plan never names one file twice", target);
    }
    return 0;
}
