#include <gtest/gtest.h>

#include <algorithm>

#include "canvas/RecordingCanvas.h"
#include "map/CoastlineTable.h"

namespace isobra {
namespace {

bool HasSegment(const RecordingCanvas& canvas, float x1, float y1, float x2, float y2) {
    return std::any_of(canvas.calls.begin(), canvas.calls.end(), [&](const RecordingCanvas::Call& c) {
        return c.op == RecordingCanvas::Op::Line && c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2;
    });
}

TEST(CoastlineTable, PointsAndBreaks) {
    CoastlineTable table;
    int real = 0;
    for (int i = 0; i < CoastlineTable::kPointCount; ++i)
        if (!table.IsBreak(i)) ++real;
    EXPECT_EQ(real, 303);
    const int breaks[] = {19,  64,  78,  89,  104, 109, 116, 123, 134, 141, 147, 217, 227, 256,
                          262, 269, 272, 275, 278, 281, 284, 287, 290, 293, 302, 312, 321, 328};
    for (int b : breaks) EXPECT_TRUE(table.IsBreak(b)) << b;
    for (int i = 331; i < CoastlineTable::kPointCount; ++i) EXPECT_TRUE(table.IsBreak(i)) << i;
    EXPECT_EQ(table.x(0), 299);
    EXPECT_EQ(table.y(0), 99);
    EXPECT_EQ(table.x(216), 6);
    EXPECT_EQ(table.y(216), 345);
    EXPECT_EQ(table.x(330), 87);
    EXPECT_EQ(table.y(330), 398);
}

TEST(CoastlineTable, DrawingFollowsTheBreakRules) {
    CoastlineTable table;
    RecordingCanvas canvas;
    DrawCoastline(canvas, table, MakeColour(0, 0, 255));

    // 303 points in 29 runs give 303 - 29 segments.
    ASSERT_EQ(canvas.calls.size(), 274u);
    for (const auto& c : canvas.calls) {
        EXPECT_EQ(c.op, RecordingCanvas::Op::Line);
        EXPECT_EQ(c.colour, MakeColour(0, 0, 255));
    }
    // Point 18 closes the first island onto point 0's position ...
    EXPECT_TRUE(HasSegment(canvas, 317, 105, 311, 107));
    EXPECT_TRUE(HasSegment(canvas, 311, 107, 299, 99));
    // ... and nothing joins 18 to 20 across the break at 19.
    EXPECT_FALSE(HasSegment(canvas, 299, 99, 300, 135));
    // The last drawn segment is 329 -> 330.
    const auto& last = canvas.calls.back();
    EXPECT_EQ(last.x1, 7);
    EXPECT_EQ(last.y1, 366);
    EXPECT_EQ(last.x2, 87);
    EXPECT_EQ(last.y2, 398);
    // Everything lies in the map square.
    for (const auto& c : canvas.calls) {
        EXPECT_GE(std::min(c.x1, c.x2), 6);
        EXPECT_LE(std::max(c.x1, c.x2), 386);
        EXPECT_GE(std::min(c.y1, c.y2), 29);
        EXPECT_LE(std::max(c.y1, c.y2), 399);
    }
}

TEST(CoastlineTable, DrawingTwiceDrawsTheSameLines) {
    CoastlineTable table;
    RecordingCanvas once, twice;
    DrawCoastline(once, table, 1);
    DrawCoastline(twice, table, 1);
    DrawCoastline(twice, table, 1);
    ASSERT_EQ(twice.calls.size(), 2 * once.calls.size());
    for (std::size_t i = 0; i < once.calls.size(); ++i) {
        EXPECT_EQ(twice.calls[i + once.calls.size()].x1, once.calls[i].x1);
        EXPECT_EQ(twice.calls[i + once.calls.size()].y2, once.calls[i].y2);
    }
}

}  // namespace
}  // namespace isobra
