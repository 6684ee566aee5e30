#include "report/ReportPhrases.h"

#include "report/KanaFolding.h"

namespace isobra {

using namespace phrase;

std::string ReportPhrases::Number(std::int64_t value) const {
    return value < 0 ? Word(kMinus) + std::to_string(-value) : std::to_string(value);
}

std::string ReportPhrases::Pressure(std::int32_t hpa) const { return Number(hpa) + Word(kHectopascal); }

std::string ReportPhrases::Temperature(std::int32_t degrees) const {
    const std::int64_t t = degrees;
    return (t < 0 ? Word(kBelowFreezing) + std::to_string(-t) : std::to_string(t)) + Word(kDegrees);
}

std::string ReportPhrases::Position(std::int32_t latitude, std::int32_t longitude) const {
    std::string out;
    if (latitude != 0) out = Word(kNorth) + Number(latitude) + Word(kDegrees);
    if (latitude != 0 && longitude != 0) out += Word(kClause);
    if (longitude != 0) out += Word(kEast) + Number(longitude) + Word(kDegrees);
    return out;
}

std::string ReportPhrases::Point(std::int32_t latitude, std::int32_t longitude) const {
    return latitude == 0 && longitude == 0 ? Word(kNoPosition) : Position(latitude, longitude);
}

std::string ReportPhrases::Direction(std::int32_t code) const {
    return code >= 0 && code < kWindDirectionCount ? Word(kDirectionWords[static_cast<std::size_t>(code)])
                                                   : std::string();
}

std::string ReportPhrases::Force(std::int32_t force) const {
    return force == 0 ? Word(kCalm) : Word(kForce) + Number(force);
}

std::string ReportPhrases::Weather(std::int32_t code) const {
    return code >= 0 && code < kWeatherKindCount ? Word(kWeatherWords[static_cast<std::size_t>(code)]) : std::string();
}

std::string ReportPhrases::Kind(const std::string& kind) const {
    for (const SpokenWord& w : kFisheryKindWords)
        if (w.written == kind) return Word(w);
    return "「" + kind + "」";
}

std::string ReportPhrases::StationName(const std::string& name) const {
    if (form_ == ScriptForm::Written) return name;
    const std::string_view reading = StationReading(name);
    return reading.empty() ? WidenKatakana(name) : std::string(reading);
}

std::string ReportPhrases::Sentence(const std::vector<std::string>& clauses) const {
    std::string out;
    for (const std::string& clause : clauses) {
        if (clause.empty()) continue;
        out += (out.empty() ? "" : Word(kClause)) + clause;
    }
    return out + Word(kEnd);
}

// Calm leaves the direction out; "不明" is not said.
void ReportPhrases::AddWeatherAndWind(std::vector<std::string>& clauses, std::int32_t direction, std::int32_t force,
                                      std::int32_t weather) const {
    if (force != 0 && !Direction(direction).empty()) clauses.push_back(Direction(direction) + Word(kWind));
    clauses.push_back(Force(force));
    if (weather != kWeatherUnknown) clauses.push_back(Weather(weather));
}

std::string ReportPhrases::LandSentence(const std::string& name, const LandReport& r) const {
    std::vector<std::string> clauses{StationName(name) + Word(kAtStation)};
    AddWeatherAndWind(clauses, r.windDirection, r.windForce, r.weather);
    if (r.pressure != 0) clauses.push_back(Pressure(r.pressure));
    clauses.push_back(Temperature(r.temperature));
    return Sentence(clauses);
}

std::string ReportPhrases::ShipSentence(const ShipReport& s) const {
    const std::string position = Position(s.latitude, s.longitude);
    std::vector<std::string> clauses{position.empty() ? Word(kShip) : position + Word(kOf) + Word(kShip)};
    AddWeatherAndWind(clauses, s.windDirection, s.windForce, s.weather);
    if (s.pressure != 0) clauses.push_back(Pressure(s.pressure));
    return Sentence(clauses);
}

std::string ReportPhrases::FisherySentence(const FisheryEntry& e) const {
    const std::string hpa = e.pressure != 0 ? Pressure(e.pressure) : std::string();
    if (IsLineKind(e.kind))
        return Sentence({(hpa.empty() ? "" : hpa + Word(kOf)) + Kind(e.kind) + Word(kSubject),
                         Point(e.latitude, e.longitude) + Word(kPassing)});
    if (e.kind == kFromCentreKind || e.kind == kFromThereKind)
        return Sentence({Kind(e.kind), Position(e.latitude, e.longitude), hpa});
    const std::string position = Position(e.latitude, e.longitude);
    return Sentence({position.empty() ? "" : position + Word(kAt),
                     (hpa.empty() ? "" : hpa + Word(kOf)) + Kind(e.kind) + Word(kThereIs)});
}

}  // namespace isobra
