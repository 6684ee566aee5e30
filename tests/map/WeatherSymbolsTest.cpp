#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "map/SymbolSites.h"
#include "map/WeatherSymbols.h"
#include "state/AppState.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;

struct Expected {
    Op op;
    float x1, y1, x2, y2;  // circles: centre, radius
};

void ExpectCalls(const RecordingCanvas& canvas, const std::vector<Expected>& expected, Colour colour, int code) {
    ASSERT_EQ(canvas.calls.size(), expected.size()) << "code " << code;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& c = canvas.calls[i];
        const auto& e = expected[i];
        SCOPED_TRACE(testing::Message() << "code " << code << " call " << i);
        EXPECT_EQ(c.op, e.op);
        EXPECT_NEAR(c.x1, e.x1, 1e-4);
        EXPECT_NEAR(c.y1, e.y1, 1e-4);
        EXPECT_NEAR(c.x2, e.x2, 1e-4);
        if (e.op == Op::Line) {
            EXPECT_NEAR(c.y2, e.y2, 1e-4);
        }
        EXPECT_EQ(c.colour, colour);
    }
}

// Symbol centred on (100, 200); s = 2.5 sqrt 3, q = 5 / sqrt 2.
TEST(WeatherSymbol, FigureOfEveryCode) {
    const float s = 4.3301270f, q = 3.5355339f;
    const Expected circle{Op::Circle, 100, 200, 5, 0};
    const Expected across{Op::Line, 105, 200, 95, 200};
    const std::vector<Expected> triangle = {circle,
                                            {Op::Line, 100 - s, 202.5f, 100 + s, 202.5f},
                                            {Op::Line, 100 - s, 202.5f, 100, 195},
                                            {Op::Line, 100, 195, 100 + s, 202.5f}};
    const std::vector<std::vector<Expected>> figures = {
        {circle},
        {circle, {Op::Line, 100, 205, 100, 195}},
        {circle, {Op::Circle, 100, 200, 2.5f, 0}},
        {circle,
         {Op::Circle, 100, 200, 0, 0},
         {Op::Circle, 100, 200, 1, 0},
         {Op::Circle, 100, 200, 2, 0},
         {Op::Circle, 100, 200, 3, 0},
         {Op::Circle, 100, 200, 4, 0}},
        {circle, {Op::Line, 102.5f, 200 + s, 97.5f, 200 - s}, {Op::Line, 97.5f, 200 + s, 102.5f, 200 - s}, across},
        // The V: the second stroke continues from the centre.
        {circle, {Op::Line, 102.5f, 200 - s, 100, 200}, {Op::Line, 100, 200, 97.5f, 200 - s}, across},
        triangle,
        triangle,
        {circle, across},
        {circle, {Op::Circle, 100, 200, 5.0f / 3.0f, 0}},
        {circle, {Op::Line, 100 + q, 200 + q, 100 - q, 200 - q}, {Op::Line, 100 - q, 200 + q, 100 + q, 200 - q}},
    };
    const Colour colour = MakeColour(1, 2, 3);
    for (int code = 0; code <= 10; ++code) {
        RecordingCanvas canvas;
        DrawWeatherSymbol(canvas, 100, 200, code, colour);
        ExpectCalls(canvas, figures[code], colour, code);
    }
    for (int code : {11, -1, 1000}) {
        RecordingCanvas canvas;
        DrawWeatherSymbol(canvas, 100, 200, code, colour);
        ExpectCalls(canvas, {circle}, colour, code);
    }
}

std::set<std::pair<float, float>> CircleCentres(const RecordingCanvas& canvas) {
    std::set<std::pair<float, float>> out;
    for (const auto& c : canvas.Of(Op::Circle)) out.insert({c.x1, c.y1});
    return out;
}

TEST(WeatherSymbols, EmptyObservationsGiveTwentyFourPlainCircles) {
    AppState state;
    state.colours.SetColour(kWeatherSymbolColour, MakeColour(0, 128, 0));
    RecordingCanvas canvas;
    DrawWeatherSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWeatherSymbolColour));
    ASSERT_EQ(canvas.calls.size(), 24u);
    for (const auto& c : canvas.calls) {
        EXPECT_EQ(c.op, Op::Circle);
        EXPECT_EQ(c.x2, 5.0f);
        EXPECT_EQ(c.colour, MakeColour(0, 128, 0));
    }
    std::vector<int> stations = {0,  1,  2,  3,  4,  7,  11, 15, 19, 23, 27, 31,
                                 35, 39, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52};
    ASSERT_EQ(canvas.calls.size(), stations.size());
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const CanvasPoint p = state.observations.stationPosition(stations[i]);
        EXPECT_EQ(canvas.calls[i].x1, p.x) << stations[i];
        EXPECT_EQ(canvas.calls[i].y1, p.y) << stations[i];
    }
    const auto centres = CircleCentres(canvas);
    for (int skipped : {5, 6, 53}) {
        const CanvasPoint p = state.observations.stationPosition(skipped);
        EXPECT_FALSE(centres.count({float(p.x), float(p.y)})) << skipped;
    }
}

TEST(WeatherSymbols, FujisanStaysBareWhenTheTableGrowsPastIt) {
    AppState state;
    state.observations.SetStationCount(57);
    state.observations.stationPosition(54) = {50, 60};
    state.observations.stationPosition(55) = {70, 80};
    state.observations.land(53).weather = 3;
    RecordingCanvas canvas;
    DrawWeatherSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWeatherSymbolColour));
    const auto centres = CircleCentres(canvas);
    EXPECT_FALSE(centres.count({282.0f, 183.0f}));
    EXPECT_TRUE(centres.count({50.0f, 60.0f}));
    EXPECT_TRUE(centres.count({70.0f, 80.0f}));
    EXPECT_EQ(canvas.Of(Op::Circle).size(), 26u);  // 53 skipped, 56 is the last one and never drawn
}

TEST(WeatherSymbols, ShortStationListKeepsTheFixedStations) {
    // A file with fewer land lines shortens the list; the slots behind it
    // keep their positions and last reports, and the fixed groups still
    // carry symbols. Only the tail from 44 follows the count.
    const std::vector<int> fixed = {0, 1, 2, 3, 4, 7, 11, 15, 19, 23, 27, 31, 35, 39, 43};
    for (int count : {0, 3, 30, 45, 46, 47}) {
        AppState state;
        state.observations.SetStationCount(count);
        state.observations.land(39).weather = 3;
        std::vector<int> expected = fixed;
        for (int k = 44; k <= count - 2; ++k) expected.push_back(k);

        const auto sites = CollectSymbolSites(state.observations, state.field.plotTable);
        ASSERT_EQ(sites.size(), expected.size()) << count;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const CanvasPoint p = state.observations.stationPosition(expected[i]);
            EXPECT_EQ(sites[i].x, p.x) << count << " " << expected[i];
            EXPECT_EQ(sites[i].y, p.y) << count << " " << expected[i];
        }
        EXPECT_EQ(sites[13].weather, 3) << count;  // slot 39 keeps its rain past a short list
    }
}

// A plot table as the isobar construction leaves it: stations 0..n, then the
// ships it saw.
void PlaceShips(AppState& state, const std::vector<CanvasPoint>& ships) {
    PlotTable& plot = state.field.plotTable;
    plot.stationCount = state.observations.stationCount();
    plot.shipCount = static_cast<int>(ships.size());
    plot.fisheryCount = 0;
    for (std::size_t j = 0; j < ships.size(); ++j) {
        plot.slot(plot.stationCount + 1 + static_cast<int>(j)).x = ships[j].x;
        plot.slot(plot.stationCount + 1 + static_cast<int>(j)).y = ships[j].y;
    }
    plot.lastPlotIndex = plot.stationCount + plot.shipCount;
}

TEST(WeatherSymbols, ShipsAreDrawnOnlyWhereThePlotTablePlacedThem) {
    AppState state;
    state.observations.SetShipCount(3);  // the third ship was typed in after the isobars
    state.observations.ship(0).weather = 1;
    state.observations.ship(1).weather = 1;
    state.observations.ship(2).weather = 1;
    PlaceShips(state, {{150, 300}, {0, 0}});  // the second lies off the projection
    // A low from the fishery report follows the ships in the table.
    state.field.plotTable.fisheryCount = 1;
    state.field.plotTable.lastPlotIndex = 57;
    state.field.plotTable.slot(57) = {222, 111, 99000, "低気圧"};
    state.observations.land(0).weather = 2;

    const auto sites = CollectSymbolSites(state.observations, state.field.plotTable);
    ASSERT_EQ(sites.size(), 25u);
    EXPECT_EQ(sites.back().x, 150);
    EXPECT_EQ(sites.back().y, 300);
    EXPECT_EQ(sites.back().weather, 1);
    EXPECT_EQ(sites.front().weather, 2);

    RecordingCanvas canvas;
    DrawWeatherSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWeatherSymbolColour));
    EXPECT_EQ(canvas.Of(Op::Circle).size(), 26u);  // 24 stations (one with an inner circle) and one ship
    const auto centres = CircleCentres(canvas);
    EXPECT_TRUE(centres.count({150.0f, 300.0f}));
    EXPECT_FALSE(centres.count({0.0f, 0.0f}));
    EXPECT_FALSE(centres.count({222.0f, 111.0f}));  // not the new ship at the low's position

    // A ship removed from the list since the construction is not drawn either.
    state.observations.SetShipCount(0);
    EXPECT_EQ(CollectSymbolSites(state.observations, state.field.plotTable).size(), 24u);
}

TEST(WeatherSymbols, NonsenseCountsDrawWithoutThrowing) {
    AppState state;
    for (int stations : {-3, 0, 101, 300}) {
        for (int ships : {-1, 50, 101}) {
            state.observations.SetStationCount(stations);
            state.observations.SetShipCount(ships);
            state.field.plotTable.stationCount = stations == 300 ? 2147483647 : stations;
            state.field.plotTable.shipCount = ships;
            state.field.plotTable.lastPlotIndex = 100;
            RecordingCanvas canvas;
            EXPECT_NO_THROW(DrawWeatherSymbols(canvas, state.observations, state.field.plotTable,
                                               state.colours.ColorOf(kWeatherSymbolColour)))
                << stations << " " << ships;
        }
    }
}

}  // namespace
}  // namespace isobra
