#include "render/OutputKinds.h"

#include <QImage>
#include <algorithm>

#include "isobar/IsobarFile.h"
#include "model/ObservationFile.h"
#include "render/MapRenderer.h"
#include "render/PngEncoding.h"
#include "widgets/VectorReplay.h"

namespace isobra {

namespace {

Result<std::string> IsobarFileBytes(MapRenderer& renderer) { return WriteIsobarFile(renderer.state().field); }

// Written as "気象観測データ保存" writes it, from a copy: the picture does
// not depend on whether the observation file was asked for too.
Result<std::string> ObservationFileBytes(MapRenderer& renderer) {
    ObservationSet observations = renderer.state().observations;
    NormaliseForSave(observations);
    return WriteObservationFile(observations);
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

}  // namespace

const std::vector<OutputKind>& OutputKinds() {
    static const std::vector<OutputKind> kinds = {
        {"--cnt", ".cnt", "the isobar file, as \"等圧線データ保存\" writes it", false, false, IsobarFileBytes},
        {"--dat", ".dat", "the observation file, as \"気象観測データ保存\" writes it", false, false,
         ObservationFileBytes},
        {"--png", ".png", "the map, 400 x 400 pixels (the whole 635 x 425 canvas with surface), as in the window", true,
         true, PngBytes},
        {"--svg", ".svg", "the same picture as vectors: lines, circles and texts (a background picture under them)",
         true, true, SvgBytes},
        {"--pdf", ".pdf", "the same picture as vectors on a PDF page of its proportions", true, true, PdfBytes},
    };
    return kinds;
}

const OutputKind* FindOutputKind(std::string_view option) {
    const auto& kinds = OutputKinds();
    const auto it = std::find_if(kinds.begin(), kinds.end(), [&](const OutputKind& k) { return k.option == option; });
    return it == kinds.end() ? nullptr : &*it;
}

}  // namespace isobra
