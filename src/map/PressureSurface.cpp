#include "map/PressureSurface.h"

namespace isobra {

float SurfaceScreenX(float x, float y) { return x - y / 2.0f + 200.0f; }

float SurfaceScreenY(float y, float hpa) { return 2.0f * y / 3.0f - (hpa - 850.0f) * 6.0f + 1040.0f; }

namespace {

// A line between two points of the 3-D view, each (x, y, hPa).
void SurfaceLine(MapCanvas& canvas, float x1, float y1, float p1, float x2, float y2, float p2, Colour colour) {
    canvas.DrawLine(SurfaceScreenX(x1, y1), SurfaceScreenY(y1, p1), SurfaceScreenX(x2, y2), SurfaceScreenY(y2, p2),
                    colour);
}

}  // namespace

void DrawPressureSurface(MapCanvas& canvas, const PressureGrid& grid, const GridSettings& s,
                         const CoastlineTable& coastline, const ColorSettings& colours) {
    const float a = static_cast<float>(s.cellWidth);
    const float b = static_cast<float>(s.cellHeight);
    const int maxX = s.gridMaxX;
    const int maxY = s.gridMaxY;
    const float scale = static_cast<float>(s.pressureScale);
    auto hpa = [&](int ix, int iy) { return static_cast<float>(grid.at(ix, iy)) / scale; };
    const Colour map = colours.ColorOf(kMapColour);
    const Colour mesh = colours.ColorOf(kIsobarColour);
    const float base = kSurfaceBaseHpa;
    // The frame stops one pixel short of the last mesh line.
    const float last = static_cast<float>(kMapSize - 1);
    const float left = a, top = b, right = last - a, bottom = last - b;

    SurfaceLine(canvas, left, top, base, right, top, base, map);
    SurfaceLine(canvas, right, top, base, right, bottom, base, map);
    SurfaceLine(canvas, right, bottom, base, left, bottom, base, map);
    SurfaceLine(canvas, left, top, base, left, bottom, base, map);

    SurfaceLine(canvas, left, top, base, left, top, hpa(1, 1), map);
    SurfaceLine(canvas, right, top, base, right, top, hpa(maxX - 1, 1), map);
    SurfaceLine(canvas, right, bottom, base, right, bottom, hpa(maxX - 1, maxY - 1), map);
    SurfaceLine(canvas, left, bottom, base, left, bottom, hpa(1, maxY - 1), map);

    ForEachCoastSegment(coastline, [&](float x1, float y1, float x2, float y2) {
        SurfaceLine(canvas, x1, y1, base, x2, y2, base, map);
    });

    for (int iy = 1; iy <= maxY - 1; ++iy)
        for (int ix = 1; ix <= maxX - 2; ++ix)
            SurfaceLine(canvas, ix * a, iy * b, hpa(ix, iy), (ix + 1) * a, iy * b, hpa(ix + 1, iy), mesh);
    for (int ix = 1; ix <= maxX - 1; ++ix)
        for (int iy = 1; iy <= maxY - 2; ++iy)
            SurfaceLine(canvas, ix * a, iy * b, hpa(ix, iy), ix * a, (iy + 1) * b, hpa(ix, iy + 1), mesh);
}

}  // namespace isobra
