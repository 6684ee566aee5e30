#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>

#include "canvas/RecordingCanvas.h"
#include "map/WindSymbols.h"
#include "state/AppState.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;

// The figure of a north-wind arrow at (263, 200), where the shaft runs
// straight up: arrow coordinates are a = x - 263 across and b = 200 - y along.
// Written as "shaft <from>-<to>" and one "<side><b0><S|L>" per feather, the
// longest feather at each place (a long feather is drawn over a short one).
std::string FigureOfNorthArrow(const RecordingCanvas& canvas) {
    double shaftFrom = 1e9, shaftTo = -1e9;
    std::map<std::pair<char, int>, double> feathers;
    for (const auto& c : canvas.calls) {
        EXPECT_EQ(c.op, Op::Line);
        const double a1 = c.x1 - 263, b1 = 200 - c.y1, a2 = c.x2 - 263, b2 = 200 - c.y2;
        if (std::abs(a1) < 1e-3 && std::abs(a2) < 1e-3) {
            shaftFrom = std::min({shaftFrom, b1, b2});
            shaftTo = std::max({shaftTo, b1, b2});
            continue;
        }
        EXPECT_NEAR(a1, 0, 1e-3);  // every feather starts on the shaft
        const auto key = std::make_pair(a2 > 0 ? 'R' : 'L', static_cast<int>(std::lround(b1)));
        const double length = std::hypot(a2 - a1, b2 - b1);
        feathers[key] = std::max(feathers[key], length);
        // The feathers slant outwards, the short ones 1.5 and the long ones 2.1 along the shaft.
        EXPECT_NEAR(b2 - b1, length > 6 ? 2.1 : 1.5, 1e-3);
    }
    std::ostringstream out;
    out << "shaft " << shaftFrom << "-" << shaftTo;
    for (const auto& [key, length] : feathers) out << " " << key.first << key.second << (length > 6 ? "L" : "S");
    return out.str();
}

std::string Figure(int force) {
    RecordingCanvas canvas;
    DrawWindSymbol(canvas, 263, 200, 0, force, 7);
    return FigureOfNorthArrow(canvas);
}

TEST(WindSymbol, FeathersOfEachForce) {
    EXPECT_EQ(Figure(1), "shaft 6-12.4 R10L");
    EXPECT_EQ(Figure(2), "shaft 6-14 R10S R14L");
    EXPECT_EQ(Figure(3), "shaft 6-18 R10S R14S R18L");
    EXPECT_EQ(Figure(4), "shaft 6-22 R10S R14S R18S R22L");
    EXPECT_EQ(Figure(5), "shaft 6-26 R10S R14S R18S R22S R26L");
    EXPECT_EQ(Figure(6), "shaft 6-30 R10S R14S R18S R22S R26S R30L");
    EXPECT_EQ(Figure(7), "shaft 6-30 L30L R10S R14S R18S R22S R26S R30L");
    EXPECT_EQ(Figure(8), "shaft 6-30 L26S L30L R10S R14S R18S R22S R26S R30L");
    EXPECT_EQ(Figure(9), "shaft 6-30 L22S L26S L30L R10S R14S R18S R22S R26S R30L");
    EXPECT_EQ(Figure(10), "shaft 6-30 L18S L22S L26S L30L R10S R14S R18S R22S R26S R30L");
    EXPECT_EQ(Figure(11), "shaft 6-30 L14S L18S L22S L26S L30L R10S R14S R18S R22S R26S R30L");
    EXPECT_EQ(Figure(12), "shaft 6-30 L10S L14S L18S L22S L26S L30L R10S R14S R18S R22S R26S R30L");
}

TEST(WindSymbol, ForcesAboveTwelveDrawAsTwelve) {
    RecordingCanvas twelve, thirteen, huge;
    DrawWindSymbol(twelve, 150, 150, 5, 12, 7);
    DrawWindSymbol(thirteen, 150, 150, 5, 13, 7);
    DrawWindSymbol(huge, 150, 150, 5, 1000000, 7);
    ASSERT_EQ(twelve.calls.size(), 18u);  // 6 shaft pieces, 6 feathers a side
    ASSERT_EQ(thirteen.calls.size(), twelve.calls.size());
    ASSERT_EQ(huge.calls.size(), twelve.calls.size());
    for (std::size_t i = 0; i < twelve.calls.size(); ++i) {
        EXPECT_EQ(thirteen.calls[i].x2, twelve.calls[i].x2);
        EXPECT_EQ(thirteen.calls[i].y2, twelve.calls[i].y2);
        EXPECT_EQ(huge.calls[i].x2, twelve.calls[i].x2);
    }
}

TEST(WindSymbol, CalmAndUnknownDirectionsDrawNothing) {
    for (auto [direction, force] : {std::pair{0, 0}, {3, -1}, {-1, 5}, {16, 5}, {1000, 12}}) {
        RecordingCanvas canvas;
        DrawWindSymbol(canvas, 150, 150, direction, force, 7);
        EXPECT_TRUE(canvas.calls.empty()) << direction << " " << force;
    }
    RecordingCanvas canvas;
    DrawWindSymbol(canvas, 263, -265, 0, 5, 7);  // no meridian through the pole itself
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(WindSymbol, ShaftPointsIntoTheWind) {
    // North wind on the central meridian: straight up.
    RecordingCanvas north;
    DrawWindSymbol(north, 263, 200, 0, 6, 7);
    EXPECT_NEAR(north.calls.front().x1, 263, 1e-3);
    EXPECT_NEAR(north.calls.front().y1, 194, 1e-3);

    // West wind there: the shaft points left; its right-hand feathers go up.
    RecordingCanvas west;
    DrawWindSymbol(west, 263, 200, 4, 1, 7);
    ASSERT_EQ(west.calls.size(), 4u);
    EXPECT_NEAR(west.calls[0].x1, 257, 1e-3);
    EXPECT_NEAR(west.calls[0].y1, 200, 1e-3);
    EXPECT_NEAR(west.calls[0].x2, 253, 1e-3);
    EXPECT_NEAR(west.calls[2].x2, 263 - 12.1, 1e-3);  // the long feather
    EXPECT_NEAR(west.calls[2].y2, 200 - 7.2746, 1e-3);
    EXPECT_NEAR(west.calls[3].x2, 263 - 12.4, 1e-3);

    // South-east wind (code 10): down and to the right.
    RecordingCanvas southEast;
    DrawWindSymbol(southEast, 263, 200, 10, 1, 7);
    const double r = 6 / std::sqrt(2.0);
    EXPECT_NEAR(southEast.calls[0].x1, 263 + r, 1e-3);
    EXPECT_NEAR(southEast.calls[0].y1, 200 + r, 1e-3);
}

TEST(WindSymbol, TurnedByTheConvergenceOfTheMeridians) {
    // West of the central meridian north leans to the right (clockwise),
    // east of it to the left, towards the pole above the map.
    for (double x : {100.0, 400.0}) {
        RecordingCanvas canvas;
        DrawWindSymbol(canvas, x, 200, 0, 6, 7);
        const double turn = std::atan((263 - x) / (200 + 265.0));
        ASSERT_EQ(canvas.calls.size(), 12u);
        // Shaft pieces and right feathers alternate; the eleventh call ends the shaft.
        const double tipX = canvas.calls[10].x2, tipY = canvas.calls[10].y2;
        EXPECT_NEAR(canvas.calls[0].x1, x + 6 * std::sin(turn), 1e-3) << x;
        EXPECT_NEAR(tipX, x + 30 * std::sin(turn), 1e-3) << x;
        EXPECT_NEAR(tipY, 200 - 30 * std::cos(turn), 1e-3) << x;
    }
}

TEST(WindSymbols, SameSitesAsTheWeatherSymbols) {
    AppState state;
    state.colours.SetColour(kWindSymbolColour, MakeColour(9, 9, 9));
    RecordingCanvas empty;
    DrawWindSymbols(empty, state.observations, state.field.plotTable, state.colours.ColorOf(kWindSymbolColour));
    EXPECT_TRUE(empty.calls.empty());

    state.observations.land(0).windForce = 1;  // 石垣島 (173, 270), north wind
    state.observations.land(5).windForce = 1;  // 福江 carries no symbols
    state.observations.land(53).windForce = 1;
    RecordingCanvas canvas;
    DrawWindSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWindSymbolColour));
    ASSERT_EQ(canvas.calls.size(), 4u);
    const double turn = std::atan((263 - 173) / (270 + 265.0));
    EXPECT_NEAR(canvas.calls[0].x1, 173 + 6 * std::sin(turn), 1e-3);
    EXPECT_NEAR(canvas.calls[0].y1, 270 - 6 * std::cos(turn), 1e-3);
    EXPECT_EQ(canvas.calls[0].colour, MakeColour(9, 9, 9));
}

}  // namespace
}  // namespace isobra
