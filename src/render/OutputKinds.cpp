#include "render/OutputKinds.h"

#include <QImage>
#include <algorithm>

#include "isobar/IsobarFile.h"
#include "model/ObservationFile.h"
#include "render/MapRenderer.h"
#include "render/PngEncoding.h"
#include "report/ReportScript.h"
#include "report/WaveFile.h"
#include "speech/ReportSpeech.h"
#include "state/GeoJsonMap.h"
#include "widgets/VectorReplay.h"

namespace isobra {

namespace {

Result<std::string> IsobarFileBytes(MapRenderer& renderer) { return WriteIsobarFile(renderer.state().field); }

// The observations as "気象観測データ保存" saves them, in a copy: the
// picture does not depend on whether a file of them was asked for too.
ObservationSet SavedObservations(MapRenderer& renderer) {
    ObservationSet observations = renderer.state().observations;
    NormaliseForSave(observations);
    return observations;
}

Result<std::string> ObservationFileBytes(MapRenderer& renderer) {
    return WriteObservationFile(SavedObservations(renderer));
}

Result<std::string> ScriptBytes(MapRenderer& renderer) {
    return ScriptText(MakeReportScript(SavedObservations(renderer), ScriptForm::Written));
}

Result<std::string> WavBytes(MapRenderer& renderer) {
    const Result<SpokenReport> spoken =
        ReportSpeech::SpeakScript(MakeReportScript(SavedObservations(renderer), ScriptForm::Kana),
                                  renderer.options().pace.value_or(ReadingPace::Broadcast));
    if (!spoken) return spoken.failure();
    return WaveFileBytes(spoken->samples, spoken->sampleRate);
}

Result<std::string> PngBytes(MapRenderer& renderer) {
    const QImageCanvas& canvas = renderer.Drawing();
    const PictureArea area = renderer.Area();
    if (const std::optional<IndexedPicture> few = ComposeIndexed(canvas, area)) return EncodePng(*few);
    std::string png = EncodePng(canvas.Composite().copy(area.x, area.y, area.width, area.height));
    if (png.empty()) return Result<std::string>::Fail("PNG を作れませんでした。");
    return png;
}

// The picture's part of the canvas as vectors, drawn as the window exports it.
QRect VectorArea(MapRenderer& renderer) {
    const PictureArea area = renderer.Area();
    return QRect(area.x, area.y, area.width, area.height);
}

Result<std::string> SvgBytes(MapRenderer& renderer) {
    return VectorReplay(renderer.Drawing()).Svg(VectorArea(renderer));
}

Result<std::string> PdfBytes(MapRenderer& renderer) {
    return VectorReplay(renderer.Drawing()).Pdf(VectorArea(renderer));
}

Result<std::string> GeoJsonBytes(MapRenderer& renderer) {
    return WriteGeoJson(renderer.state().observations, renderer.state().field);
}

}  // namespace

const std::vector<OutputKind>& OutputKinds() {
    static const std::vector<OutputKind> kinds = {
        {"--cnt", ".cnt", "the isobar file, as \"等圧線データ保存\" writes it", false, false, true, IsobarFileBytes},
        {"--dat", ".dat", "the observation file, as \"気象観測データ保存\" writes it", false, false, false,
         ObservationFileBytes},
        {"--png", ".png", "the map, 400 x 400 pixels (the whole 635 x 425 canvas with surface), as in the window", true,
         true, true, PngBytes},
        {"--svg", ".svg", "the same picture as vectors: lines, circles and texts (a background picture under them)",
         true, true, true, SvgBytes},
        {"--pdf", ".pdf", "the same picture as vectors on a PDF page of its proportions", true, true, true, PdfBytes},
        {"--geojson", ".geojson",
         "the map for GIS programs: isobars, fronts, centres, stations and ships in longitude and latitude", true,
         false, true, GeoJsonBytes},
        {"--script", ".txt", "the report as it is read aloud, one sentence a line (UTF-8)", false, false, false,
         ScriptBytes},
        {"--wav", ".wav", "the report read aloud (16-bit mono PCM), at the pace of --pace", false, false, false,
         WavBytes},
    };
    return kinds;
}

const OutputKind* FindOutputKind(std::string_view option) {
    const auto& kinds = OutputKinds();
    const auto it = std::find_if(kinds.begin(), kinds.end(), [&](const OutputKind& k) { return k.option == option; });
    return it == kinds.end() ? nullptr : &*it;
}

bool NeedsGrid(const std::vector<OutputRequest>& outputs) {
    return std::any_of(outputs.begin(), outputs.end(), [](const OutputRequest& r) { return r.kind->fromGrid; });
}

}  // namespace isobra
