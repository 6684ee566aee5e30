#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "canvas/MapCanvas.h"

namespace isobra {

// A canvas that keeps the calls it receives, for tests of geometry and for
// counting what a drawing does. ReadPixel answers the background colour.
// It covers the whole plane, or the area it is given, so that drawings
// leave out what lies far outside it as they do on a canvas with pixels.
class RecordingCanvas : public MapCanvas {
public:
    RecordingCanvas() = default;
    explicit RecordingCanvas(const CanvasArea& area) : area_(area) {}

    enum class Op { Line, Box, Circle, Arc, Clear, Text };
    struct Call {
        Op op;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // circle/arc: x1, y1 centre, x2 radius
        Colour colour = 0;
        float start = 0, end = 0;  // arcs
        std::string text;
        TextSize size = TextSize::Canvas;  // texts

        bool operator==(const Call&) const = default;
    };

    std::vector<Call> calls;

    std::vector<Call> Of(Op op) const;
    void Reset() { calls.clear(); }

    Colour ReadPixel(int, int) const override { return background_; }
    void SetBackgroundColour(Colour c) override { background_ = c; }
    void SetForegroundColour(Colour c) override { foreground_ = c; }
    void SetBackgroundPicture(std::shared_ptr<const RgbImage> p) override { picture_ = std::move(p); }
    Colour BackgroundColour() const override { return background_; }
    Colour ForegroundColour() const override { return foreground_; }
    std::shared_ptr<const RgbImage> BackgroundPicture() const override { return picture_; }
    CanvasArea Area() const override { return area_; }

protected:
    void DoLine(float x1, float y1, float x2, float y2, Colour c) override;
    void DoBox(float x1, float y1, float x2, float y2, Colour c) override;
    void DoCircle(float cx, float cy, float r, Colour c) override;
    void DoArc(float cx, float cy, float r, Colour c, float start, float end) override;
    void DoClear() override;
    void DoText(float x, float y, const std::string& text, TextSize size) override;

private:
    Colour background_ = 0xffffff;
    Colour foreground_ = 0;
    std::shared_ptr<const RgbImage> picture_;
    CanvasArea area_ = kWholePlane;
};

// One call on one line, so that a test that compares recordings says which
// call differs and how.
void PrintTo(const RecordingCanvas::Call& call, std::ostream* out);

}  // namespace isobra
