#include <gtest/gtest.h>

#include "canvas/RecordingCanvas.h"
#include "map/PressureSurface.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;

PressureGrid Flat(std::int32_t value) {
    PressureGrid grid;
    grid.Fill(value);
    return grid;
}

std::vector<RecordingCanvas::Call> Draw(const PressureGrid& grid, const ColorSettings& colours = ColorSettings{}) {
    RecordingCanvas canvas;
    DrawPressureSurface(canvas, grid, GridSettings{}, CoastlineTable{}, colours);
    return canvas.calls;
}

int CoastlineSegments() {
    const CoastlineTable table;
    int n = 0;
    for (int i = 0; i <= CoastlineTable::kLastSegmentStart; ++i) n += !table.IsBreak(i) && !table.IsBreak(i + 1);
    return n;
}

TEST(PressureSurface, FrameCornersPostsAndColours) {
    ColorSettings colours;
    colours.SetColour(kMapColour, 0x00ff00);
    colours.SetColour(kIsobarColour, 0x0000ff);
    PressureGrid grid = Flat(101300);
    grid.at(1, 1) = 102300;
    const auto calls = Draw(grid, colours);

    // The frame at 1013 hPa, clockwise from the top left corner.
    const float top = 2.0f * 16 / 3 + 62, bottom = 2.0f * 383 / 3 + 62;
    const float frame[4][4] = {
        {208, top, 575, top}, {575, top, 391.5f, bottom}, {391.5f, bottom, 24.5f, bottom}, {208, top, 24.5f, bottom}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(calls[i].x1, frame[i][0]) << i;
        EXPECT_FLOAT_EQ(calls[i].y1, frame[i][1]) << i;
        EXPECT_FLOAT_EQ(calls[i].x2, frame[i][2]) << i;
        EXPECT_FLOAT_EQ(calls[i].y2, frame[i][3]) << i;
    }
    EXPECT_NEAR(top, 72.67f, 0.005f);
    EXPECT_NEAR(bottom, 317.33f, 0.005f);
    // The post at the top left rises to node (1, 1): 10 hPa, 60 pixels.
    EXPECT_FLOAT_EQ(calls[4].x2, 208);
    EXPECT_NEAR(calls[4].y1 - calls[4].y2, 60, 1e-3);
    for (int i = 5; i < 8; ++i) EXPECT_FLOAT_EQ(calls[i].y1, calls[i].y2) << "post " << i;

    const std::size_t meshStart = 8 + CoastlineSegments();
    ASSERT_EQ(calls.size(), meshStart + 2 * 24 * 23);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].op, Op::Line);
        EXPECT_EQ(calls[i].colour, i < meshStart ? 0x00ff00u : 0x0000ffu) << i;
    }
}

// A 1023 hPa node lies 60 pixels above a 1013 hPa one at the same place:
// only the four mesh lines that meet at it move.
TEST(PressureSurface, HeightsFollowThePressure) {
    const auto flat = Draw(Flat(101300));
    PressureGrid raised = Flat(101300);
    raised.at(12, 7) = 102300;
    const auto bumped = Draw(raised);
    ASSERT_EQ(flat.size(), bumped.size());
    int moved = 0;
    for (std::size_t i = 0; i < flat.size(); ++i) {
        for (const bool first : {true, false}) {
            const float dy = first ? flat[i].y1 - bumped[i].y1 : flat[i].y2 - bumped[i].y2;
            if (dy == 0) continue;
            ++moved;
            EXPECT_NEAR(dy, 60, 1e-3) << i;
            EXPECT_FLOAT_EQ(first ? bumped[i].x1 : bumped[i].x2, 12 * 16 - 7 * 16 / 2.0f + 200) << i;
        }
    }
    EXPECT_EQ(moved, 4);
}

}  // namespace
}  // namespace isobra
