#include "canvas/PixelCanvas.h"

#include "canvas/Raster.h"

namespace isobra {

PixelCanvas::PixelCanvas(int width, int height) : pixels_(width, height, 0xffffff) {}

Colour PixelCanvas::ReadPixel(int x, int y) const { return pixels_.Contains(x, y) ? pixels_.At(x, y) : background_; }

CanvasArea PixelCanvas::Area() const {
    return {0.0f, 0.0f, static_cast<float>(pixels_.width - 1), static_cast<float>(pixels_.height - 1)};
}

void PixelCanvas::Plot(int x, int y, Colour colour) {
    if (pixels_.Contains(x, y)) pixels_.Set(x, y, colour);
}

void PixelCanvas::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    RasterLine(PixelOf(x1), PixelOf(y1), PixelOf(x2), PixelOf(y2), pixels_.width, pixels_.height,
               [&](int x, int y) { Plot(x, y, colour); });
}

void PixelCanvas::DoBox(float x1, float y1, float x2, float y2, Colour colour) {
    RasterBox(PixelOf(x1), PixelOf(y1), PixelOf(x2), PixelOf(y2), pixels_.width, pixels_.height,
              [&](int x, int y) { Plot(x, y, colour); });
}

void PixelCanvas::DoCircle(float cx, float cy, float radius, Colour colour) {
    RasterCircle(PixelOf(cx), PixelOf(cy), radius, [&](int x, int y) { Plot(x, y, colour); });
}

void PixelCanvas::DoArc(float cx, float cy, float radius, Colour colour, float start, float end) {
    RasterArc(PixelOf(cx), PixelOf(cy), radius, start, end, [&](int x, int y) { Plot(x, y, colour); });
}

void PixelCanvas::DoClear() { pixels_.pixels.assign(pixels_.pixels.size(), background_); }

}  // namespace isobra
