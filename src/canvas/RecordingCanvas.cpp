#include "canvas/RecordingCanvas.h"

#include <ostream>

namespace isobra {

std::vector<RecordingCanvas::Call> RecordingCanvas::Of(Op op) const {
    std::vector<Call> out;
    for (const Call& c : calls)
        if (c.op == op) out.push_back(c);
    return out;
}

void RecordingCanvas::DoLine(float x1, float y1, float x2, float y2, Colour c) {
    calls.push_back({Op::Line, x1, y1, x2, y2, c, 0, 0, {}});
}

void RecordingCanvas::DoBox(float x1, float y1, float x2, float y2, Colour c) {
    calls.push_back({Op::Box, x1, y1, x2, y2, c, 0, 0, {}});
}

void RecordingCanvas::DoCircle(float cx, float cy, float r, Colour c) {
    calls.push_back({Op::Circle, cx, cy, r, 0, c, 0, 0, {}});
}

void RecordingCanvas::DoArc(float cx, float cy, float r, Colour c, float start, float end) {
    calls.push_back({Op::Arc, cx, cy, r, 0, c, start, end, {}});
}

void RecordingCanvas::DoClear() { calls.push_back({Op::Clear, 0, 0, 0, 0, 0, 0, 0, {}}); }

void RecordingCanvas::DoText(float x, float y, const std::string& text, TextSize size) {
    calls.push_back({Op::Text, x, y, 0, 0, foreground_, 0, 0, text, size});
}

void PrintTo(const RecordingCanvas::Call& call, std::ostream* out) {
    static const char* const kOps[] = {"Line", "Box", "Circle", "Arc", "Clear", "Text"};
    *out << kOps[static_cast<int>(call.op)] << "(" << call.x1 << ", " << call.y1 << ", " << call.x2 << ", " << call.y2
         << ") colour " << call.colour << " arc " << call.start << ".." << call.end << " text \"" << call.text << "\""
         << (call.size == TextSize::Small ? " small" : "");
}

}  // namespace isobra
