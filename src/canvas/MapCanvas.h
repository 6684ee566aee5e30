#pragma once

#include <limits>
#include <memory>
#include <string>

#include "canvas/RgbImage.h"
#include "model/Colour.h"

namespace isobra {

// The map square at the top left of the canvas, pixels 0..399 across and
// down: the projection, the coastline and the pressure grid cover it.
inline constexpr int kMapSize = 400;

// A rectangle of the canvas plane in pixels, edges included.
struct CanvasArea {
    float left, top, right, bottom;
};
inline constexpr CanvasArea kWholePlane{-std::numeric_limits<float>::infinity(),
                                        -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity(),
                                        std::numeric_limits<float>::infinity()};

// The font of a text: the canvas font, or a smaller one for the figures on
// isobars and under the centre letters.
enum class TextSize { Canvas, Small };

// The map canvas: pixels, origin top left, y downwards. Coordinates are
// single-precision and may be fractional. The canvas keeps a pen position:
// a line leaves it at its end point, a circle at its centre, and text starts
// at it. Implementations supply the Do* operations; the pen rules live here
// once for all of them.
class MapCanvas {
public:
    virtual ~MapCanvas() = default;

    void DrawLine(float x1, float y1, float x2, float y2, Colour colour);
    void DrawLineTo(float x2, float y2, Colour colour);
    // Filled axis-parallel rectangle, edges included.
    void DrawBox(float x1, float y1, float x2, float y2, Colour colour);
    void DrawCircle(float cx, float cy, float radius, Colour colour);
    // Arc from `start` to `end` radians, counterclockwise on screen, 0 pointing
    // right and pi/2 up the screen.
    void DrawArc(float cx, float cy, float radius, Colour colour, float start, float end);
    // Erases the drawing; the background colour and picture stay.
    void ClearCanvas();
    // Text (UTF-8) with its top left at (x, y), in the foreground colour.
    void DrawTextAt(float x, float y, const std::string& text, TextSize size = TextSize::Canvas);
    // The colour the user sees at (x, y).
    virtual Colour ReadPixel(int x, int y) const = 0;
    virtual void SetBackgroundColour(Colour colour) = 0;
    virtual void SetForegroundColour(Colour colour) = 0;
    // A picture shown unscaled at the top left under the drawing; null removes it.
    virtual void SetBackgroundPicture(std::shared_ptr<const RgbImage> picture) = 0;

    virtual Colour BackgroundColour() const = 0;
    virtual Colour ForegroundColour() const = 0;
    virtual std::shared_ptr<const RgbImage> BackgroundPicture() const = 0;

    // The part of the plane the canvas keeps: a drawing may leave out what
    // lies wholly outside it. Unbounded unless the canvas has a size.
    virtual CanvasArea Area() const { return kWholePlane; }

    float penX() const { return penX_; }
    float penY() const { return penY_; }

protected:
    // For a canvas that takes back an earlier drawing, pen included.
    void MovePen(float x, float y) {
        penX_ = x;
        penY_ = y;
    }

    virtual void DoLine(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void DoBox(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual void DoCircle(float cx, float cy, float radius, Colour colour) = 0;
    virtual void DoArc(float cx, float cy, float radius, Colour colour, float start, float end) = 0;
    virtual void DoClear() = 0;
    virtual void DoText(float x, float y, const std::string& text, TextSize size) = 0;

private:
    float penX_ = 0.0f;
    float penY_ = 0.0f;
};

}  // namespace isobra
