#pragma once

#include <memory>
#include <string>

#include "canvas/MapCanvas.h"
#include "canvas/RgbImage.h"

namespace isobra {

// A canvas of a fixed size that lights its pixels by the raster rules, as
// the window's canvas does, without a toolkit: for fuzzing and benchmarks of
// whole drawings. Texts need a font and are left out; the background
// picture is kept but not shown.
class PixelCanvas : public MapCanvas {
public:
    PixelCanvas(int width = kMapSize, int height = kMapSize);

    const RgbImage& pixels() const { return pixels_; }

    Colour ReadPixel(int x, int y) const override;
    void SetBackgroundColour(Colour colour) override { background_ = colour; }
    void SetForegroundColour(Colour colour) override { foreground_ = colour; }
    void SetBackgroundPicture(std::shared_ptr<const RgbImage> picture) override { picture_ = std::move(picture); }
    Colour BackgroundColour() const override { return background_; }
    Colour ForegroundColour() const override { return foreground_; }
    std::shared_ptr<const RgbImage> BackgroundPicture() const override { return picture_; }
    CanvasArea Area() const override;

protected:
    void DoLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void DoBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void DoCircle(float cx, float cy, float radius, Colour colour) override;
    void DoArc(float cx, float cy, float radius, Colour colour, float start, float end) override;
    void DoClear() override;
    void DoText(float, float, const std::string&, TextSize) override {}

private:
    void Plot(int x, int y, Colour colour);

    RgbImage pixels_;
    Colour background_ = 0xffffff;
    Colour foreground_ = 0;
    std::shared_ptr<const RgbImage> picture_;
};

}  // namespace isobra
