#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "render/RenderLayers.h"
#include "render/RenderOptions.h"
#include "state/AppState.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

// One input and the files it gives.
struct RenderJob {
    std::string input;
    std::vector<OutputRequest> outputs;  // with their final paths
};

// What became of one input: the lines to print (warnings, or the reason it
// failed, each naming the file) and, when it went well, every output written
// under its temporary name, waiting to be committed.
struct JobOutcome {
    std::vector<std::string> messages;
    bool failed = false;
    std::vector<StagedFile> staged;
};

// Renders one input after another with a state and a canvas of its own, so
// that one renderer per thread can work side by side. Every input starts
// from the start-up state with the run's settings; nothing of the input
// before carries over.
class MapRenderer {
public:
    explicit MapRenderer(const RenderOptions& options);

    // Loads the input, makes every output's bytes and stages them with
    // `calls`. Nothing is committed here. One map's files are flushed each on
    // its own, as any save is; many maps to one folder are staged unflushed,
    // for the committer flushes them in batches.
    JobOutcome Render(const RenderJob& job, const FileSystemCalls& calls = FileSystemCalls::System());

    // For the output kinds: the loaded input; the canvas with its layers
    // drawn (on first use), and the part of it a picture shows.
    const AppState& state() const { return state_; }
    const RenderOptions& options() const { return options_; }
    const QImageCanvas& Drawing();
    PictureArea Area() const;

private:
    // Reads and computes the input into the state; returns why it failed, or
    // nothing. Warnings go to `notes`.
    std::string Load(const std::string& input, std::vector<std::string>& notes);

    const RenderOptions& options_;
    AppState start_;
    AppState state_;
    QImageCanvas canvas_;
    bool drawn_ = false;
    // The coastline alone, drawn for the first map that begins with it: the
    // same for every input, so later maps start from a copy.
    std::optional<QImageCanvas::Snapshot> coastline_;
};

}  // namespace isobra
