#include "render/MapRenderer.h"

#include <algorithm>

#include "isobar/GridConstruction.h"
#include "isobar/IsobarInterval.h"
#include "model/ObservationFile.h"
#include "render/OutputKinds.h"
#include "render/RenderLayers.h"
#include "render/RenderMessages.h"
#include "report/ScriptReader.h"
#include "state/GridReplacement.h"
#include "state/IsobarFileLoad.h"
#include "state/MapLayers.h"

namespace isobra {

namespace {

// What a file load would take from an observation file holding the same.
ObservationFileData FileDataOf(const ObservationSet& observations) {
    ObservationFileData data;
    for (int slot = 0; slot < observations.stationCount(); ++slot) {
        data.stationNames.push_back(observations.stationName(slot));
        data.land.push_back(observations.land(slot));
    }
    for (int slot = 0; slot < observations.shipCount(); ++slot) data.ships.push_back(observations.ship(slot));
    for (int slot = 0; slot < observations.fisheryCount(); ++slot) data.fishery.push_back(observations.fishery(slot));
    return data;
}

bool DrawsPicture(const std::vector<OutputRequest>& outputs) {
    return std::any_of(outputs.begin(), outputs.end(), [](const OutputRequest& r) { return r.kind->picture; });
}

// A message box's lines as one line of the tool's.
std::string OneLine(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    return text;
}

}  // namespace

MapRenderer::MapRenderer(const RenderOptions& options) : options_(options) {
    SetIsobarInterval(start_.field.grid, options.intervalHpa);
    start_.labelIsobars = options.labels;
    // The same picture under every map; clearing keeps it.
    canvas_.SetBackgroundPicture(options.backgroundPicture);
}

JobOutcome MapRenderer::Render(const RenderJob& job, const FileSystemCalls& calls) {
    JobOutcome outcome;
    state_ = start_;
    drawn_ = false;
    auto fail = [&outcome](std::string message) {
        outcome.messages.push_back(std::move(message));
        outcome.failed = true;
        outcome.staged.clear();  // their temporary files go with them
        return std::move(outcome);
    };
    if (std::string problem = Load(job.input, outcome.messages); !problem.empty()) return fail(problem);
    if (DrawsPicture(job.outputs) && NeedsComputedGrid(options_.layers) && !state_.field.pressureGrid.IsComputed())
        return fail(ToolMessage(job.input, 0, OneLine(kSurfaceNeedsGrid)));
    for (const OutputRequest& out : job.outputs) {
        const Result<std::string> bytes = out.kind->make(*this);
        if (!bytes) return fail(ToolMessage(out.path, 0, bytes.message()));
        Result<StagedFile> staged = StagedFile::Stage(
            out.path, *bytes, calls,
            options_.ManyMaps() ? StagedFile::Durability::Unflushed : StagedFile::Durability::Flushed);
        if (!staged) return fail(ToolMessage(out.path, 0, "書き込めませんでした（" + staged.message() + "）。"));
        outcome.staged.push_back(std::move(*staged));
    }
    return outcome;
}

std::string MapRenderer::Load(const std::string& input, std::vector<std::string>& notes) {
    const Result<std::string> file = ReadWholeFile(input);
    if (!file) return ToolMessage(input, 0, file.message());

    if (options_.inputsAreIsobarFiles) {
        if (const Status st = ApplyIsobarBytes(*file, state_.observations.stationCount(), state_); !st)
            return ToolMessage(input, st.line(), st.message());
        return {};
    }

    if (options_.inputsAreScripts) {
        const Result<ObservationSet> read = ReadReportScript(*file, state_.observations);
        if (!read) return ToolMessage(input, read.line(), read.message());
        ApplyObservationFile(FileDataOf(*read), state_.observations, state_.field);
    } else {
        const auto parsed = ParseObservationFile(*file);
        if (!parsed) return ToolMessage(input, parsed.line(), parsed.message());
        ApplyObservationFile(*parsed, state_.observations, state_.field);
    }
    // The observation file, the script and the spoken report need no grid.
    if (!NeedsGrid(options_.outputs)) return {};
    const PressureSupply supply = LandPressureSupply(state_);
    if (supply == PressureSupply::None) return ToolMessage(input, 0, "気圧が入力されていません");
    if (supply == PressureSupply::Few)
        notes.push_back(ToolMessage(input, 0,
                                    "気圧のある地点が" + std::to_string(CountLandPressures(state_.observations)) +
                                        " か所しかありません。そのまま等圧線を描きます。"));
    const Result<GridConstructionReport> grid = ComputePressureGrid(state_.observations, state_.field);
    if (!grid) return ToolMessage(input, 0, grid.message());
    for (const std::string& warning : grid->warnings) notes.push_back(ToolMessage(input, 0, warning));
    return {};
}

const QImageCanvas& MapRenderer::Drawing() {
    if (drawn_) return canvas_;
    drawn_ = true;
    const std::vector<std::string>& layers = options_.layers;
    // The map layer draws the start's coastline in the start's colours,
    // which no input changes.
    if (layers.empty() || layers.front() != "map" || !(state_.colours == start_.colours)) {
        canvas_.ClearCanvas();
        DrawLayers(canvas_, state_, layers);
        return canvas_;
    }
    if (coastline_) {
        canvas_.Restore(*coastline_);
    } else {
        canvas_.ClearCanvas();
        DrawLayers(canvas_, start_, {layers.front()});
        coastline_ = canvas_.TakeSnapshot();
    }
    DrawLayers(canvas_, state_, std::vector<std::string>(layers.begin() + 1, layers.end()));
    return canvas_;
}

PictureArea MapRenderer::Area() const { return PictureAreaOf(options_.layers, canvas_.width(), canvas_.height()); }

}  // namespace isobra
