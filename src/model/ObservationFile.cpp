#include "model/ObservationFile.h"

#include <algorithm>

#include "model/CodeTables.h"
#include "model/FieldFormat.h"
#include "model/FileAccess.h"
#include "model/ShiftJis.h"
#include "model/TextFields.h"

namespace isobra {

namespace {

constexpr std::string_view kLandTitle = "各地の天気";
constexpr std::string_view kShipTitle = "船舶の報告";
constexpr std::string_view kFisheryTitle = "漁業気象";
constexpr std::string_view kLandHeader = " 地 名　　　風向　風力　天気　 気圧　気温";
constexpr std::string_view kShipHeader = " 北緯 東経   風向   風力  天気　気圧";
constexpr std::string_view kFisheryHeader = "  種 類 　北緯　東経　 気圧";
constexpr std::string_view kFujisan = "富士山";
constexpr std::int64_t kValueLimit = 99999;
// Pressures in hPa: what the five-character pressure column holds, ten times
// any pressure on Earth. Higher ones could drive the pressure grid beyond
// what the isobar file carries.
constexpr std::int64_t kPressureLimit = 9999;

std::string TitleLine(std::string_view title, int count) {
    return std::string(title) + ", " + std::to_string(count) + " ";
}

// The direction counts only with wind: calm writes an empty field.
std::string DirectionText(std::int32_t direction, std::int32_t force) {
    return force == 0 ? std::string() : WindDirectionText(direction);
}

std::string LandLine(const ObservationSet& set, int k) {
    const LandReport& r = set.land(k);
    // The pressure of 富士山 is never saved, so it cannot be what makes its
    // line a report either: the line reads back as it was written, and a
    // second save writes it again alike.
    const bool fujisan = set.stationName(k) == kFujisan;
    LandReport saved = r;
    if (fujisan) saved.pressure = 0;
    const std::string weather = HasReport(saved) ? WeatherText(r.weather) : WeatherText(kWeatherUnknown);
    const std::string pressure = fujisan ? std::string(5, ' ') : FieldNumber(r.pressure, 5);
    return PadRight(set.stationName(k), 10) + "," + PadRight(DirectionText(r.windDirection, r.windForce), 6) + "," +
           FieldNumber(r.windForce, 3) + " ," + PadRight(weather, 6) + "," + pressure + " ," +
           FieldNumber(r.temperature, 4);
}

std::string ShipLine(const ShipReport& r) {
    const bool noReport = r.pressure == 0 && r.windForce == 0;
    const std::string weather = noReport ? WeatherText(kWeatherUnknown) : WeatherText(r.weather);
    return FieldNumber(r.latitude, 4) + " ," + FieldNumber(r.longitude, 4) + " ," +
           PadRight(DirectionText(r.windDirection, r.windForce), 6) + "," + FieldNumber(r.windForce, 3) + " ," +
           PadRight(weather, 6) + "," + FieldNumber(r.pressure, 5);
}

std::string FisheryLine(const FisheryEntry& e) {
    return PadRight(e.kind, 8) + "," + FieldNumber(e.latitude, 4) + " ," + FieldNumber(e.longitude, 4) + " ," +
           FieldNumber(e.pressure, 5);
}

// Why a name or kind cannot go into the file, or "" when it can: a comma or
// line break would split it into several fields when read back.
std::string Unwritable(const std::string& what, const std::string& text) {
    if (text.find_first_of(",\r\n") != std::string::npos)
        return what + "「" + text + "」にコンマか改行が含まれています";
    if (!ToShiftJis(text)) return what + "「" + text + "」にShift-JISで書けない文字があります";
    return {};
}

// The lines that open a section: the empty line before it (not before the
// first), its title line with the count, the line of column names. Gives the
// count.
int SectionCount(FieldCursor& in, std::string_view title, bool blankBefore) {
    auto of = [title](const char* what) { return [title, what] { return std::string(title) + what; }; };
    if (blankBefore) in.Text(of("の前の空行"));
    in.Text(of("の見出し"));
    const int count = in.Count(of("の数"), kSlotCount).value_or(0);
    in.Text(of("の項目名"));
    return count;
}

}  // namespace

Result<std::string> WriteObservationFile(const ObservationSet& set) {
    if (!ShiftJisAvailable()) return Result<std::string>::Fail(std::string(kNoShiftJis));
    const int n = set.stationCount(), s = set.shipCount(), f = set.fisheryCount();
    std::string problem;
    for (int k = 0; k < n && problem.empty(); ++k) problem = Unwritable("地名", set.stationName(k));
    for (int k = 0; k < f && problem.empty(); ++k) problem = Unwritable("漁業気象の種類", set.fishery(k).kind);
    if (!problem.empty()) return Result<std::string>::Fail(problem);

    std::vector<std::string> lines;
    lines.push_back(TitleLine(kLandTitle, n));
    lines.emplace_back(kLandHeader);
    for (int k = 0; k < n; ++k) lines.push_back(LandLine(set, k));
    lines.emplace_back();
    lines.push_back(TitleLine(kShipTitle, s));
    lines.emplace_back(kShipHeader);
    for (int k = 0; k < s; ++k) lines.push_back(ShipLine(set.ship(k)));
    lines.emplace_back();
    lines.push_back(TitleLine(kFisheryTitle, f));
    lines.emplace_back(kFisheryHeader);
    for (int k = 0; k < f; ++k) lines.push_back(FisheryLine(set.fishery(k)));

    std::string bytes;
    for (const std::string& line : lines) {
        const std::optional<std::string> encoded = ToShiftJis(line);
        if (!encoded) return Result<std::string>::Fail("「" + line + "」にShift-JISで書けない文字があります");
        bytes += *encoded;
        bytes += "\r\n";
    }
    if (bytes.size() > kLargestDataFile) return Result<std::string>::Fail(std::string(kTooLargeToReadBack));
    return bytes;
}

Result<ObservationFileData> ParseObservationFile(std::string_view bytes) {
    const Result<TextFields> split = SplitFields(bytes);
    if (!split) return split.failure();
    FieldCursor in(*split);
    ObservationFileData data;
    auto direction = [](const std::optional<std::string>& t) {
        const int code = t ? FindWindDirection(*t) : -1;
        return code < 0 ? 0 : code;
    };
    auto weather = [](const std::optional<std::string>& t) {
        const int code = t ? FindWeather(*t) : -1;
        return code < 0 ? kWeatherUnknown : code;
    };

    auto value = [&in](const FieldName& what) { return in.Number(what, kValueLimit).value_or(0); };
    auto pressure = [&in](const FieldName& what) { return in.Number(what, kPressureLimit).value_or(0); };
    // The names of the values are joined only for the message of a failed read.
    auto nth = [](std::string_view section, int k, const char* what) {
        return [section, k, what] { return std::string(section) + "の" + std::to_string(k + 1) + "件目の" + what; };
    };

    const int n = SectionCount(in, kLandTitle, false);
    for (int k = 0; k < n && !in.failed(); ++k) {
        const std::string name = in.Text(nth(kLandTitle, k, "地名")).value_or("");
        auto of = [&name](const char* what) { return [&name, what] { return "「" + name + "」の" + what; }; };
        LandReport r;
        r.windDirection = direction(in.Text(of("風向")));
        r.windForce = value(of("風力"));
        r.weather = weather(in.Text(of("天気")));
        r.pressure = pressure(of("気圧"));
        r.temperature = value(of("気温"));
        data.stationNames.push_back(name);
        data.land.push_back(r);
    }

    const int s = SectionCount(in, kShipTitle, true);
    for (int k = 0; k < s && !in.failed(); ++k) {
        auto of = [&](const char* what) { return nth(kShipTitle, k, what); };
        ShipReport r;
        r.latitude = value(of("北緯"));
        r.longitude = value(of("東経"));
        r.windDirection = direction(in.Text(of("風向")));
        r.windForce = value(of("風力"));
        r.weather = weather(in.Text(of("天気")));
        r.pressure = pressure(of("気圧"));
        data.ships.push_back(r);
    }

    const int f = SectionCount(in, kFisheryTitle, true);
    for (int k = 0; k < f && !in.failed(); ++k) {
        auto of = [&](const char* what) { return nth(kFisheryTitle, k, what); };
        FisheryEntry e;
        e.kind = in.Text(of("種類")).value_or("");
        e.latitude = value(of("北緯"));
        e.longitude = value(of("東経"));
        e.pressure = pressure(of("気圧"));
        data.fishery.push_back(e);
    }

    if (Status done = in.Finish(); !done) return done.failure();
    return data;
}

void ApplyObservationFile(const ObservationFileData& data, ObservationSet& obs, PressureField& field) {
    // The rows the ship and fishery lists held before lose their values.
    obs.ClearShipAndFisheryValues();

    const int n = static_cast<int>(data.land.size());
    obs.SetStationCount(n);
    for (int k = 0; k < n; ++k) {
        obs.stationName(k) = data.stationNames[static_cast<std::size_t>(k)];
        obs.land(k) = data.land[static_cast<std::size_t>(k)];
    }
    obs.SetShipCount(static_cast<int>(data.ships.size()));
    for (std::size_t k = 0; k < data.ships.size(); ++k) obs.ship(static_cast<int>(k)) = data.ships[k];
    obs.SetFisheryCount(static_cast<int>(data.fishery.size()));
    for (std::size_t k = 0; k < data.fishery.size(); ++k) obs.fishery(static_cast<int>(k)) = data.fishery[k];

    // The plot table now claims the stations only, until the next construction.
    field.plotTable.lastPlotIndex = n;
    field.plotTable.stationCount = n;
    field.plotTable.shipCount = 0;
    field.plotTable.fisheryCount = 0;
    field.pressureGrid.MarkNotComputed();
}

namespace {

void NotNegative(std::int32_t& v) {
    if (v < 0) v = 0;
}

// Land and ship reports alike.
template <class Report>
void NoNegativeCodes(Report& r) {
    for (std::int32_t* v : {&r.windDirection, &r.windForce, &r.weather, &r.pressure}) NotNegative(*v);
}

}  // namespace

void NormaliseForSave(ObservationSet& set) {
    for (int k = 0; k < set.stationCount(); ++k) NoNegativeCodes(set.land(k));
    for (int k = 0; k < set.shipCount(); ++k) NoNegativeCodes(set.ship(k));
    for (int k = 0; k < set.fisheryCount(); ++k) NotNegative(set.fishery(k).pressure);
}

}  // namespace isobra
