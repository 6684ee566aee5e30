#include "canvas/MapCanvas.h"

namespace isobra {

void MapCanvas::DrawLine(float x1, float y1, float x2, float y2, Colour colour) {
    DoLine(x1, y1, x2, y2, colour);
    penX_ = x2;
    penY_ = y2;
}

void MapCanvas::DrawLineTo(float x2, float y2, Colour colour) { DrawLine(penX_, penY_, x2, y2, colour); }

void MapCanvas::DrawBox(float x1, float y1, float x2, float y2, Colour colour) {
    DoBox(x1, y1, x2, y2, colour);
    penX_ = x2;
    penY_ = y2;
}

void MapCanvas::DrawCircle(float cx, float cy, float radius, Colour colour) {
    DoCircle(cx, cy, radius, colour);
    penX_ = cx;
    penY_ = cy;
}

void MapCanvas::DrawArc(float cx, float cy, float radius, Colour colour, float start, float end) {
    DoArc(cx, cy, radius, colour, start, end);
    penX_ = cx;
    penY_ = cy;
}

void MapCanvas::ClearCanvas() {
    DoClear();
    penX_ = 0.0f;
    penY_ = 0.0f;
}

void MapCanvas::DrawTextAt(float x, float y, const std::string& text, TextSize size) {
    penX_ = x;
    penY_ = y;
    DoText(x, y, text, size);
}

}  // namespace isobra
