#include <gtest/gtest.h>

#include <vector>

#include "canvas/RecordingCanvas.h"
#include "model/ColorSettings.h"
#include "satellite/CrossSection.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;

struct BrightnessCase {
    int r, g, b, brightness;
};

TEST(CrossSection, BrightnessIsTheRoundedMeanOfTheThreeParts) {
    for (const BrightnessCase c :
         {BrightnessCase{255, 0, 0, 85}, BrightnessCase{1, 1, 2, 1}, BrightnessCase{1, 1, 0, 1},
          BrightnessCase{2, 2, 3, 2}, BrightnessCase{255, 255, 255, 255}, BrightnessCase{0, 0, 0, 0},
          BrightnessCase{0, 128, 128, 85}, BrightnessCase{200, 100, 1, 100}})
        EXPECT_EQ(PixelBrightness(MakeColour(c.r, c.g, c.b)), c.brightness) << c.r << "," << c.g << "," << c.b;
}

struct Box {
    float x1, y1, x2, y2;
    int palette;
};

void ExpectBoxes(const RecordingCanvas& canvas, const std::vector<Box>& expected) {
    const std::vector<RecordingCanvas::Call> boxes = canvas.Of(Op::Box);
    ASSERT_EQ(boxes.size(), expected.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE("box " + std::to_string(i));
        EXPECT_EQ(boxes[i].x1, expected[i].x1);
        EXPECT_EQ(boxes[i].y1, expected[i].y1);
        EXPECT_EQ(boxes[i].x2, expected[i].x2);
        EXPECT_EQ(boxes[i].y2, expected[i].y2);
        EXPECT_EQ(boxes[i].colour, PaletteColor(expected[i].palette));
    }
}

struct BackgroundCase {
    Colour background;
    float barLength;  // brightness / 8
};

class CrossSectionOn : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(CrossSectionOn, EastWestPanelAndBarsAboveTheRow) {
    RecordingCanvas canvas;
    canvas.SetBackgroundColour(GetParam().background);
    canvas.DrawLine(1, 1, 2, 2, 0);  // an earlier drawing, to be cleared
    DrawCrossSection(canvas, CrossSectionDirection::EastWest, 123, 200);

    ASSERT_EQ(canvas.calls.at(1).op, Op::Clear);
    ExpectBoxes(canvas, {{0, 150, 390, 200, 9},
                         {0, 198, 390, 200, 1},
                         {389, 151, 390, 200, 3},
                         {0, 150, 390, 151, 3},
                         {389, 150, 390, 200, 1}});
    const std::vector<RecordingCanvas::Call> bars(canvas.calls.begin() + 7, canvas.calls.end());
    ASSERT_EQ(bars.size(), 371u);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE("bar " + std::to_string(i));
        EXPECT_EQ(bars[i].op, Op::Line);
        EXPECT_EQ(bars[i].x1, 10.0f + i);
        EXPECT_EQ(bars[i].x2, 10.0f + i);
        EXPECT_EQ(bars[i].y1, 195.0f);
        EXPECT_EQ(bars[i].y2, 195.0f - GetParam().barLength);
        EXPECT_EQ(bars[i].colour, PaletteColor(15));
    }
}

TEST_P(CrossSectionOn, NorthSouthPanelAndBarsLeftOfTheColumn) {
    RecordingCanvas canvas;
    canvas.SetBackgroundColour(GetParam().background);
    DrawCrossSection(canvas, CrossSectionDirection::NorthSouth, 300, 77);

    ASSERT_EQ(canvas.calls.at(0).op, Op::Clear);
    ExpectBoxes(canvas, {{250, 32, 300, 390, 9},
                         {298, 32, 300, 390, 1},
                         {251, 389, 300, 390, 1},
                         {250, 32, 300, 34, 3},
                         {250, 32, 251, 390, 3}});
    const std::vector<RecordingCanvas::Call> bars(canvas.calls.begin() + 6, canvas.calls.end());
    ASSERT_EQ(bars.size(), 341u);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        SCOPED_TRACE("bar " + std::to_string(i));
        EXPECT_EQ(bars[i].op, Op::Line);
        EXPECT_EQ(bars[i].y1, 40.0f + i);
        EXPECT_EQ(bars[i].y2, 40.0f + i);
        EXPECT_EQ(bars[i].x1, 295.0f);
        EXPECT_EQ(bars[i].x2, 295.0f - GetParam().barLength);
        EXPECT_EQ(bars[i].colour, PaletteColor(15));
    }
}

// White reaches 31.875 pixels (to about y - 37); black gives bars of no length.
INSTANTIATE_TEST_SUITE_P(Backgrounds, CrossSectionOn,
                         ::testing::Values(BackgroundCase{MakeColour(255, 255, 255), 31.875f},
                                           BackgroundCase{MakeColour(0, 0, 0), 0.0f}),
                         [](const auto& info) { return info.index == 0 ? "White" : "Black"; });

// A picture whose brightness follows the position, and which turns black
// once anything is drawn on it: bars that follow the picture prove that
// each sample came from the clicked line and before the drawing.
class GradientCanvas : public RecordingCanvas {
public:
    Colour ReadPixel(int x, int y) const override {
        if (!Of(Op::Box).empty() || !Of(Op::Line).empty()) return 0;
        const int v = (x + 2 * y) % 256;
        return MakeColour(v, v, v);
    }
};

TEST(CrossSection, SamplesTheClickedLineBeforeDrawing) {
    GradientCanvas eastWest;
    DrawCrossSection(eastWest, CrossSectionDirection::EastWest, 5, 60);
    const std::vector<RecordingCanvas::Call> rowBars = eastWest.Of(Op::Line);
    ASSERT_EQ(rowBars.size(), 371u);
    for (int c = 10; c <= 380; ++c)
        EXPECT_EQ(rowBars[c - 10].y2, 55.0f - static_cast<float>((c + 120) % 256) / 8) << "column " << c;

    GradientCanvas northSouth;
    DrawCrossSection(northSouth, CrossSectionDirection::NorthSouth, 90, 300);
    const std::vector<RecordingCanvas::Call> columnBars = northSouth.Of(Op::Line);
    ASSERT_EQ(columnBars.size(), 341u);
    for (int r = 40; r <= 380; ++r)
        EXPECT_EQ(columnBars[r - 40].x2, 85.0f - static_cast<float>((90 + 2 * r) % 256) / 8) << "row " << r;
}

}  // namespace
}  // namespace isobra
