#include "isobar/GridCorrection.h"

#include <algorithm>
#include <cstdint>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "isobar/IsobarSegments.h"

namespace isobra {

namespace {

constexpr Colour kWhite = 0xffffff;

}  // namespace

std::optional<GridNode> NodeAtPoint(const GridSettings& s, float x, float y) {
    const double right = static_cast<double>(s.gridMaxX) * s.cellWidth;
    const double bottom = static_cast<double>(s.gridMaxY) * s.cellHeight;
    if (!(x >= 0 && x <= right && y >= 0 && y <= bottom)) return std::nullopt;
    const GridNode node{NearestNode(x, s.cellWidth), NearestNode(y, s.cellHeight)};
    if (!NodeTable::Contains(node.ix, node.iy)) return std::nullopt;
    return node;
}

std::int32_t CorrectionStep(bool leftButton, int pressureScale) {
    return leftButton ? 2 * pressureScale : RoundHalfEven(0.5 * pressureScale);
}

NodeChange ChangeNode(PressureGrid& grid, GridNode node, std::int32_t delta) {
    std::int32_t& value = grid.at(node.ix, node.iy);
    const std::int32_t before = value;
    // Stops at the 32-bit limits instead of overflowing.
    value = static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{value} + delta, INT32_MIN, INT32_MAX));
    return {static_cast<std::int16_t>(node.ix), static_cast<std::int16_t>(node.iy), before, value};
}

void RetraceAround(MapCanvas& canvas, const PressureField& field, GridNode node, Colour isobarColour) {
    const GridSettings& s = field.grid;
    const float w = static_cast<float>(s.cellWidth);
    const float h = static_cast<float>(s.cellHeight);
    for (int j = node.iy - 1; j <= node.iy; ++j) {
        for (int u = node.ix - 1; u <= node.ix; ++u) {
            if (!(0 < u && u < s.gridMaxX - 1 && 0 < j && j < s.gridMaxY - 1)) continue;
            canvas.DrawBox(u * w, j * h, (u + 1) * w, (j + 1) * h, kWhite);
            DrawIsobarSegments(canvas,
                               TraceIsobarSegments(field.pressureGrid, s, s.isobarInterval, s.isobarHalfInterval,
                                                   CellRange{u, j, u, j}),
                               isobarColour);
        }
    }
}

GridEdit SmoothOnce(PressureField& field) {
    const PressureGrid before = field.pressureGrid;
    CopyNodes(field.pressureGrid, field.workGrid, GridBounds(field.grid));
    SmoothPass(field);
    GridEdit edit{GridEdit::Kind::Smoothing, {}};
    for (int iy = 0; iy < NodeTable::kSize; ++iy)
        for (int ix = 0; ix < NodeTable::kSize; ++ix)
            if (before.at(ix, iy) != field.pressureGrid.at(ix, iy))
                edit.changes.push_back({static_cast<std::int16_t>(ix), static_cast<std::int16_t>(iy), before.at(ix, iy),
                                        field.pressureGrid.at(ix, iy)});
    return edit;
}

}  // namespace isobra
