#include "render/RenderDriver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <thread>

#include "model/FileAccess.h"
#include "render/OutputCommitter.h"
#include "render/ProgressLine.h"
#include "render/RenderMessages.h"
#include "render/RenderPlan.h"
#include "render/RenderThreads.h"
#include "widgets/PictureFile.h"

namespace isobra {

namespace {

// The folder under --out-dir, made when missing. Returns it open, for the
// flushes, or -1 after printing why it cannot be used.
int OpenOutFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        std::fprintf(
            stderr, "%s\n",
            ToolMessage(folder, 0, "フォルダを作れませんでした（" + SystemErrorReason(errno) + "）。").c_str());
        return -1;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        std::fprintf(stderr, "%s\n",
                     ToolMessage(folder, 0, "フォルダとして使えません（" + SystemErrorReason(errno) + "）。").c_str());
    return fd;
}

// While it lives, what libraries write straight to stderr (libpng's errors,
// which bypass Qt's messages) goes nowhere, unless ISOBRA_DEBUG is set: the
// tool's own line says what went wrong.
class LibraryLinesHidden {
public:
    LibraryLinesHidden() {
        if (!qEnvironmentVariableIsEmpty("ISOBRA_DEBUG")) return;
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere < 0) return;
        std::fflush(stderr);
        saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
        if (saved_ >= 0) ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
    ~LibraryLinesHidden() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    LibraryLinesHidden(const LibraryLinesHidden&) = delete;
    LibraryLinesHidden& operator=(const LibraryLinesHidden&) = delete;

private:
    int saved_ = -1;
};

Result<QImage> ReadBackground(const std::string& path) {
    const LibraryLinesHidden hidden;
    return ReadPictureFile(path);
}

}  // namespace

int ReportCommandLine(const CommandLine& line) {
    if (line.action == CommandLine::Action::Help) {
        std::fputs(UsageText().c_str(), stdout);
        return kExitOk;
    }
    std::fprintf(stderr, "%s\n%s", ToolMessage(line.problem).c_str(), UsageText().c_str());
    return kExitUsage;
}

int RunRender(const RenderOptions& given) {
    const Result<std::vector<RenderJob>> jobs = PlanJobs(given);
    if (!jobs) return ReportCommandLine({CommandLine::Action::WrongUse, {}, jobs.message()});
    RenderOptions options = given;
    if (!options.background.empty()) {
        const Result<QImage> picture = ReadBackground(options.background);
        if (!picture) {
            std::fprintf(
                stderr, "%s\n",
                ToolMessage(options.background, 0, ReadFailureText(FileNameOf(options.background), picture.message()))
                    .c_str());
            return kExitBadInput;
        }
        options.backgroundPicture = ToRgbImage(*picture);
    }

    // Many maps to one folder are written unflushed (see MapRenderer); the
    // committer flushes them in batches through the folder.
    int folder = -1;
    if (options.ManyMaps()) {
        folder = OpenOutFolder(options.outDir);
        if (folder < 0) return kExitBadInput;
    }
    struct CloseFolder {
        int fd;
        ~CloseFolder() {
            if (fd >= 0) ::close(fd);
        }
    } closeFolder{folder};

    ProgressLine progress(options.ManyMaps() && ::isatty(STDERR_FILENO), static_cast<int>(jobs->size()),
                          [](const std::string& text) { std::fputs(text.c_str(), stderr); });
    progress.Update(0);
    OutputCommitter committer(folder, progress);
    const int threads = options.jobs > 0 ? options.jobs : static_cast<int>(std::thread::hardware_concurrency());
    RenderOnThreads(*jobs, options, threads, [&](std::vector<JobOutcome>& outcomes) { committer.Add(outcomes); });
    committer.Finish();
    progress.Finish();
    if (options.ManyMaps())
        std::fprintf(
            stderr, "%s\n",
            ToolMessage(std::to_string(committer.written()) + " 件の地図を書き出しました。失敗したファイルは " +
                        std::to_string(committer.failed()) + " 件です。")
                .c_str());
    return committer.failed() > 0 ? kExitBadInput : kExitOk;
}

}  // namespace isobra
