#include "map/WeatherSymbols.h"

#include <cmath>

#include "map/SymbolSites.h"

namespace isobra {

namespace {

constexpr double kRadius = 5.0;

// Offsets are worked out in double precision; the canvas takes single.
struct Pen {
    MapCanvas& canvas;
    double x;
    double y;
    Colour colour;

    void Line(double dx1, double dy1, double dx2, double dy2) const {
        canvas.DrawLine(static_cast<float>(x + dx1), static_cast<float>(y + dy1), static_cast<float>(x + dx2),
                        static_cast<float>(y + dy2), colour);
    }
    void LineTo(double dx, double dy) const {
        canvas.DrawLineTo(static_cast<float>(x + dx), static_cast<float>(y + dy), colour);
    }
    void Circle(double radius) const {
        canvas.DrawCircle(static_cast<float>(x), static_cast<float>(y), static_cast<float>(radius), colour);
    }
};

}  // namespace

void DrawWeatherSymbol(MapCanvas& canvas, double x, double y, int code, Colour colour) {
    const Pen pen{canvas, x, y, colour};
    const double r = kRadius;
    const double h = r / 2.0;
    const double hs3 = h * std::sqrt(3.0);  // 2.5 sqrt 3: the points at 60 degrees
    const double d = r / std::sqrt(2.0);    // the points at 45 degrees

    pen.Circle(r);
    switch (code) {
        case 0:  // 快晴
            break;
        case 1:  // 晴れ
            pen.Line(0, r, 0, -r);
            break;
        case 2:  // くもり
            pen.Circle(h);
            break;
        case 3:  // 雨: concentric circles read as a filled disc
            for (int i = 0; i < static_cast<int>(r); ++i) pen.Circle(i);
            break;
        case 4:  // 雪
            pen.Line(h, hs3, -h, -hs3);
            pen.Line(-h, hs3, h, -hs3);
            pen.Line(r, 0, -r, 0);
            break;
        case 5:  // みぞれ
            pen.Line(h, -hs3, 0, 0);
            pen.LineTo(-h, -hs3);
            pen.Line(r, 0, -r, 0);
            break;
        case 6:  // あられ
        case 7:  // ひょう: the same triangle
            pen.Line(-hs3, h, hs3, h);
            pen.Line(-hs3, h, 0, -r);
            pen.Line(0, -r, hs3, h);
            break;
        case 8:  // 雷
            pen.Line(r, 0, -r, 0);
            break;
        case 9:  // 霧
            pen.Circle(r / 3.0);
            break;
        case 10:  // 不明
            pen.Line(d, d, -d, -d);
            pen.Line(-d, d, d, -d);
            break;
        default:
            break;
    }
}

void DrawWeatherSymbols(MapCanvas& canvas, const ObservationSet& observations, const PlotTable& plot, Colour colour) {
    for (const SymbolSite& site : CollectSymbolSites(observations, plot))
        DrawWeatherSymbol(canvas, site.x, site.y, site.weather, colour);
}

}  // namespace isobra
