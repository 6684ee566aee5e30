#include "state/GeoJsonMap.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "isobar/CentreLetters.h"
#include "isobar/IsobarLine.h"
#include "isobar/IsobarSegments.h"
#include "map/InverseProjection.h"
#include "map/MapProjection.h"
#include "model/CodeTables.h"
#include "model/ObservationSet.h"
#include "model/PlotKinds.h"
#include "model/PressureField.h"

namespace isobra {

namespace {

// Four decimals of a degree are about 10 metres, far below a canvas pixel.
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 4).ptr;
    std::string out(text, end);
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    if (out == "-0") out = "0";
    return out;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The properties of one feature, in the order they are added.
class Properties {
public:
    void Text(std::string_view name, std::string_view value) { Add(name, Quoted(value)); }
    void Raw(std::string_view name, std::string value) { Add(name, std::move(value)); }
    void Whole(std::string_view name, int value) { Add(name, std::to_string(value)); }
    const std::string& json() const { return json_; }

private:
    void Add(std::string_view name, const std::string& value) {
        json_ += json_.empty() ? "" : ",";
        json_ += Quoted(name) + ":" + value;
    }
    std::string json_;
};

std::string Position(const GeoPosition& place) {
    return "[" + Number(place.longitude) + "," + Number(place.latitude) + "]";
}

class FeatureList {
public:
    void Point(const GeoPosition& place, const Properties& properties) {
        Add("{\"type\":\"Point\",\"coordinates\":" + Position(place) + "}", properties);
    }
    // Nothing for fewer than two places: a LineString needs two.
    void Line(const std::vector<GeoPosition>& places, const Properties& properties) {
        if (places.size() < 2) return;
        std::string coordinates;
        for (const GeoPosition& place : places) coordinates += (coordinates.empty() ? "" : ",") + Position(place);
        Add("{\"type\":\"LineString\",\"coordinates\":[" + coordinates + "]}", properties);
    }
    std::string Collection() const {
        return "{\"type\":\"FeatureCollection\",\"features\":[\n" + features_ + (features_.empty() ? "" : "\n") +
               "]}\n";
    }

private:
    void Add(const std::string& geometry, const Properties& properties) {
        if (!features_.empty()) features_ += ",\n";
        features_ += "{\"type\":\"Feature\",\"geometry\":" + geometry + ",\"properties\":{" + properties.json() + "}}";
    }
    std::string features_;
};

// A line of canvas points as places, broken where a point has none.
template <typename Point>
void AddLinePieces(FeatureList& features, const std::vector<Point>& points, const Properties& properties) {
    std::vector<GeoPosition> piece;
    for (const Point& p : points) {
        if (const std::optional<GeoPosition> place = UnprojectPosition(p.x, p.y)) {
            piece.push_back(*place);
            continue;
        }
        features.Line(piece, properties);
        piece.clear();
    }
    features.Line(piece, properties);
}

// A place as reported in whole degrees east, west of 180 E made negative;
// nothing for a longitude outside 0..360, which a file may hold but no
// place has (and the projection, which turns by 0.9 of the longitude, would
// put elsewhere than the place 360 degrees round).
std::optional<GeoPosition> Reported(int latitude, int longitude) {
    if (longitude < 0 || longitude > 360) return std::nullopt;
    return GeoPosition{static_cast<double>(latitude),
                       longitude > 180 ? longitude - 360.0 : static_cast<double>(longitude)};
}

void AddIsobars(FeatureList& features, const PressureField& field) {
    if (!field.pressureGrid.IsComputed()) return;
    const GridSettings& grid = field.grid;
    const std::vector<IsobarSegment> segments =
        TraceIsobarSegments(field.pressureGrid, grid, grid.isobarInterval, grid.isobarHalfInterval);
    for (const IsobarLine& line : ChainIsobarSegments(segments)) {
        Properties properties;
        properties.Text("kind", "isobar");
        properties.Raw("pressure_hpa", PressureText(line.level, grid.pressureScale));
        AddLinePieces(features, line.points, properties);
    }
}

// Where a fishery slot of the plot table lies: the place its entry reported
// while the entry still projects onto the slot, else the slot's canvas
// position read back through the projection.
std::optional<GeoPosition> FisheryPlace(const ObservationSet& observations, const PlotTable& plot, int k) {
    const PlotSlot& slot = plot.slot(k);
    if (slot.x <= 0 || slot.y <= 0) return std::nullopt;  // no position, as the drawings take it
    const int j = k - plot.FirstFisherySlot();
    if (plot.stationCount == observations.stationCount() && plot.shipCount == observations.shipCount() &&
        j < observations.fisheryCount()) {
        const FisheryEntry& entry = observations.fishery(j);
        const std::optional<GeoPosition> reported = Reported(entry.latitude, entry.longitude);
        if (reported && entry.kind == slot.kind &&
            ProjectPosition(entry.latitude, entry.longitude) == CanvasPoint{slot.x, slot.y})
            return reported;
    }
    return UnprojectPosition(slot.x, slot.y);
}

struct KindName {
    std::string_view kind;  // as the plot table holds it
    const char* name;       // in the GeoJSON
};
constexpr KindName kFronts[] = {{kWarmFrontKind, "warm"},
                                {kColdFrontKind, "cold"},
                                {kStationaryFrontKind, "stationary"},
                                {kOccludedFrontKind, "occluded"}};
constexpr KindName kCentres[] = {{kHighKind, "high"}, {kLowKind, "low"}, {kTyphoonKind, "typhoon"}};

template <std::size_t N>
const char* NameOf(const KindName (&kinds)[N], std::string_view kind) {
    for (const KindName& k : kinds)
        if (k.kind == kind) return k.name;
    return nullptr;
}

// Runs of neighbouring slots of one front kind, as the fronts are drawn: a
// slot without a place ends the line there.
void AddFronts(FeatureList& features, const ObservationSet& observations, const PlotTable& plot) {
    std::vector<GeoPosition> run;
    int runSlot = 0;  // the run's last slot, for its kind
    auto endRun = [&] {
        if (!run.empty()) {
            Properties properties;
            properties.Text("kind", NameOf(kFronts, plot.slot(runSlot).kind));
            properties.Text("name_ja", plot.slot(runSlot).kind);
            features.Line(run, properties);
        }
        run.clear();
    };
    for (int k = plot.FirstFisherySlot(); k <= plot.LastSlot(); ++k) {
        const std::string& kind = plot.slot(k).kind;
        const std::optional<GeoPosition> place =
            NameOf(kFronts, kind) ? FisheryPlace(observations, plot, k) : std::nullopt;
        if (!run.empty() && (kind != plot.slot(runSlot).kind || !place)) endRun();
        if (!place) continue;
        run.push_back(*place);
        runSlot = k;
    }
    endRun();
}

void AddCentres(FeatureList& features, const ObservationSet& observations, const PressureField& field) {
    const PlotTable& plot = field.plotTable;
    for (int k = plot.FirstFisherySlot(); k <= plot.LastSlot(); ++k) {
        const PlotSlot& slot = plot.slot(k);
        const char* name = NameOf(kCentres, slot.kind);
        if (!name) continue;
        const std::optional<GeoPosition> place = FisheryPlace(observations, plot, k);
        if (!place) continue;
        Properties properties;
        properties.Text("kind", name);
        properties.Text("name_ja", slot.kind);
        if (slot.pressure > 0) properties.Raw("pressure_hpa", PressureText(slot.pressure, field.grid.pressureScale));
        features.Point(*place, properties);
    }
}

// Wind, weather and pressure as a land station or a ship reports them.
// Calm (force 0) has no direction; the weather "不明" is no weather.
void AddObserved(Properties& properties, int direction, int force, int weather, int pressure) {
    if (force > 0 && direction >= 0 && direction < kWindDirectionCount)
        properties.Raw("wind_direction_deg", Number(std::fmod(360.0 - 22.5 * direction, 360.0)));
    properties.Whole("wind_force", force);
    if (weather >= 0 && weather < kWeatherUnknown) {
        properties.Whole("weather_code", weather);
        properties.Text("weather_ja", WeatherText(weather));
    }
    if (pressure > 0) properties.Whole("pressure_hpa", pressure);
}

void AddStations(FeatureList& features, const ObservationSet& observations) {
    for (int k = 0; k < observations.stationCount(); ++k) {
        const LandReport& r = observations.land(k);
        if (!HasReport(r)) continue;
        const CanvasPoint p = observations.stationPosition(k);
        const std::optional<GeoPosition> place = UnprojectPosition(p.x, p.y);
        if (!place) continue;
        Properties properties;
        properties.Text("kind", "station");
        properties.Text("name_ja", observations.stationName(k));
        // The pressure of 富士山 is never saved or plotted.
        const bool fuji = observations.stationName(k) == "富士山";
        AddObserved(properties, r.windDirection, r.windForce, r.weather, fuji ? 0 : r.pressure);
        properties.Whole("temperature_c", r.temperature);
        features.Point(*place, properties);
    }
}

void AddShips(FeatureList& features, const ObservationSet& observations) {
    for (int k = 0; k < observations.shipCount(); ++k) {
        const ShipReport& r = observations.ship(k);
        const std::optional<GeoPosition> place = Reported(r.latitude, r.longitude);
        if (!place || ProjectPosition(r.latitude, r.longitude) == CanvasPoint{}) continue;  // off the map
        Properties properties;
        properties.Text("kind", "ship");
        AddObserved(properties, r.windDirection, r.windForce, r.weather, r.pressure);
        features.Point(*place, properties);
    }
}

}  // namespace

std::string WriteGeoJson(const ObservationSet& observations, const PressureField& field) {
    FeatureList features;
    AddIsobars(features, field);
    AddFronts(features, observations, field.plotTable);
    AddCentres(features, observations, field);
    AddStations(features, observations);
    AddShips(features, observations);
    return features.Collection();
}

}  // namespace isobra
