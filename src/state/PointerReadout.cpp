#include "state/PointerReadout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "canvas/RgbImage.h"
#include "model/PressureField.h"
#include "satellite/CrossSection.h"

namespace isobra {

namespace {

// One decimal, whatever the locale says a decimal point is.
std::string Tenths(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1).ptr;
    return std::string(text, end);
}

void Append(std::string& line, const std::string& part) {
    if (!line.empty()) line += "  ";
    line += part;
}

}  // namespace

MapPoint MapPointUnder(double viewX, double viewY, double scale) {
    return {(std::floor(viewX) + 0.5) / scale - 0.5, (std::floor(viewY) + 0.5) / scale - 0.5};
}

std::optional<double> PressureAt(const PressureField& field, const MapPoint& at) {
    const GridSettings& g = field.grid;
    if (!field.pressureGrid.IsComputed() || g.cellWidth <= 0 || g.cellHeight <= 0 || g.gridMaxX < 1 || g.gridMaxY < 1 ||
        g.gridMaxX >= NodeTable::kSize || g.gridMaxY >= NodeTable::kSize)
        return std::nullopt;
    const double fx = at.x / g.cellWidth;
    const double fy = at.y / g.cellHeight;
    if (!(fx >= 0.0 && fy >= 0.0 && fx <= g.gridMaxX && fy <= g.gridMaxY)) return std::nullopt;
    // The cell to the right and below, but the last cell for the last node.
    const int ix = std::min(static_cast<int>(fx), g.gridMaxX - 1);
    const int iy = std::min(static_cast<int>(fy), g.gridMaxY - 1);
    const double tx = fx - ix;
    const double ty = fy - iy;
    const PressureGrid& grid = field.pressureGrid;
    const double corners[] = {static_cast<double>(grid.at(ix, iy)), static_cast<double>(grid.at(ix + 1, iy)),
                              static_cast<double>(grid.at(ix, iy + 1)), static_cast<double>(grid.at(ix + 1, iy + 1))};
    for (const double v : corners)
        if (v <= 0.0) return std::nullopt;
    const double top = corners[0] + (corners[1] - corners[0]) * tx;
    const double bottom = corners[2] + (corners[3] - corners[2]) * tx;
    return (top + (bottom - top) * ty) / g.pressureScale;
}

std::string PointerReadout(const MapPoint& at, const PressureField& field, const RgbImage* picture) {
    std::string line;
    if (const std::optional<GeoPosition> place = UnprojectPosition(at.x, at.y)) {
        Append(line, "北緯 " + Tenths(place->latitude) + "°");
        const bool west = place->longitude < 0.0;
        Append(line, (west ? "西経 " : "東経 ") + Tenths(std::fabs(place->longitude)) + "°");
    }
    if (const std::optional<double> pressure = PressureAt(field, at))
        Append(line, "気圧 " + Tenths(*pressure) + " hPa");
    // The pixel the point lies in: whole numbers are pixel centres.
    const double px = std::floor(at.x + 0.5);
    const double py = std::floor(at.y + 0.5);
    if (picture && px >= 0 && py >= 0 && px < picture->width && py < picture->height)
        Append(line,
               "明るさ " + std::to_string(PixelBrightness(picture->At(static_cast<int>(px), static_cast<int>(py)))));
    return line;
}

}  // namespace isobra
