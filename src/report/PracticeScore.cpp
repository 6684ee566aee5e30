#include "report/PracticeScore.h"

#include <algorithm>

#include "report/ReportPhrases.h"

namespace isobra {

namespace {

constexpr std::array<std::string_view, kScoreFieldCount> kFieldNames = {
    "風向", "風力", "天気", "気圧", "気温", "船の位置", "船の気圧", "種類", "位置", "中心気圧"};

// One value said: its text, and the typed text ("" for nothing typed).
struct Said {
    ScoreField field;
    std::string said;
    std::string typed;
};

const ReportPhrases kPhrases(ScriptForm::Written);

// The wind and weather of a land station or a ship.
struct Wind {
    std::int32_t direction;
    std::int32_t force;
    std::int32_t weather;
};

// `typed` is null when nothing was typed for the row.
void AddWind(std::vector<Said>& out, const Wind& t, const Wind* typed) {
    if (t.force != 0 && !kPhrases.Direction(t.direction).empty())
        out.push_back({ScoreField::Direction, kPhrases.Direction(t.direction),
                       typed && typed->force != 0 ? kPhrases.Direction(typed->direction) : ""});
    out.push_back({ScoreField::Force, kPhrases.Force(t.force), typed ? kPhrases.Force(typed->force) : ""});
    if (t.weather != kWeatherUnknown && !kPhrases.Weather(t.weather).empty())
        out.push_back(
            {ScoreField::Weather, kPhrases.Weather(t.weather), typed ? kPhrases.Weather(typed->weather) : ""});
}

// A pressure of 0 is none typed.
std::string TypedPressure(const std::int32_t* hpa) { return hpa && *hpa != 0 ? kPhrases.Pressure(*hpa) : ""; }

std::vector<Said> LandValues(const LandReport& t, const LandReport* u) {
    std::vector<Said> out;
    const Wind typedWind = u ? Wind{u->windDirection, u->windForce, u->weather} : Wind{};
    AddWind(out, {t.windDirection, t.windForce, t.weather}, u ? &typedWind : nullptr);
    if (t.pressure != 0)
        out.push_back({ScoreField::Pressure, kPhrases.Pressure(t.pressure), TypedPressure(u ? &u->pressure : nullptr)});
    out.push_back(
        {ScoreField::Temperature, kPhrases.Temperature(t.temperature), u ? kPhrases.Temperature(u->temperature) : ""});
    return out;
}

std::vector<Said> ShipValues(const ShipReport& t, const ShipReport* u) {
    std::vector<Said> out;
    const std::string position = kPhrases.Position(t.latitude, t.longitude);
    if (!position.empty())
        out.push_back({ScoreField::ShipPosition, position, u ? kPhrases.Position(u->latitude, u->longitude) : ""});
    const Wind typedWind = u ? Wind{u->windDirection, u->windForce, u->weather} : Wind{};
    AddWind(out, {t.windDirection, t.windForce, t.weather}, u ? &typedWind : nullptr);
    if (t.pressure != 0)
        out.push_back(
            {ScoreField::ShipPressure, kPhrases.Pressure(t.pressure), TypedPressure(u ? &u->pressure : nullptr)});
    return out;
}

std::vector<Said> FisheryValues(const FisheryEntry& t, const FisheryEntry* u) {
    std::vector<Said> out{{ScoreField::FisheryKind, kPhrases.Kind(t.kind), u ? kPhrases.Kind(u->kind) : ""}};
    if (t.latitude != 0 || t.longitude != 0)
        out.push_back({ScoreField::FisheryPosition, kPhrases.Point(t.latitude, t.longitude),
                       u ? kPhrases.Point(u->latitude, u->longitude) : ""});
    if (t.pressure != 0)
        out.push_back(
            {ScoreField::FisheryPressure, kPhrases.Pressure(t.pressure), TypedPressure(u ? &u->pressure : nullptr)});
    return out;
}

class Scorer {
public:
    void Add(ScriptPart part, int slot, const std::string& where, const std::vector<Said>& values) {
        for (const Said& v : values) {
            ScoreTally& tally = score_.tallies[static_cast<std::size_t>(v.field)];
            if (v.typed == v.said) {
                ++tally.right;
                continue;
            }
            ++(v.typed.empty() ? tally.missed : tally.wrong);
            score_.items.push_back({v.field, v.typed.empty(), part, slot, where, v.said, v.typed});
        }
    }
    void Extra(ScriptPart part, int slot, std::string typed) {
        score_.extras.push_back({part, slot, std::move(typed)});
    }
    PracticeScore Take() { return std::move(score_); }

private:
    PracticeScore score_;
};

int Agreeing(const std::vector<Said>& values) {
    return static_cast<int>(
        std::count_if(values.begin(), values.end(), [](const Said& v) { return v.typed == v.said; }));
}

// Pairs true rows [0, n) with typed rows [0, m) in order (see the header):
// pair[i] is the typed row of true row i, or -1.
template <class Values>
std::vector<int> PairInOrder(int n, int m, const Values& values) {
    std::vector<std::vector<int>> best(static_cast<std::size_t>(n + 1),
                                       std::vector<int>(static_cast<std::size_t>(m + 1)));
    auto at = [&](int i, int j) -> int& { return best[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]; };
    std::vector<std::vector<int>> gain(static_cast<std::size_t>(n), std::vector<int>(static_cast<std::size_t>(m)));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j)
            gain[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = 1 + Agreeing(values(i, j));
    for (int i = n - 1; i >= 0; --i)
        for (int j = m - 1; j >= 0; --j)
            at(i, j) = std::max({at(i + 1, j), at(i, j + 1),
                                 gain[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] + at(i + 1, j + 1)});
    std::vector<int> pair(static_cast<std::size_t>(n), -1);
    // On a tie a typed row is left over rather than paired: a row typed
    // twice is the extra one, and the row after it meets its own.
    for (int i = 0, j = 0; i < n && j < m;) {
        if (at(i, j) == at(i, j + 1)) {
            ++j;
        } else if (at(i, j) == gain[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] + at(i + 1, j + 1)) {
            pair[static_cast<std::size_t>(i++)] = j++;
        } else {
            ++i;
        }
    }
    return pair;
}

template <class Values, class Sentence>
void ScoreRows(Scorer& scorer, ScriptPart part, int n, int m, std::string_view noun, const Values& values,
               const Sentence& typedSentence) {
    const std::vector<int> pair = PairInOrder(n, m, values);
    std::vector<bool> paired(static_cast<std::size_t>(m));
    for (int i = 0; i < n; ++i) {
        const int j = pair[static_cast<std::size_t>(i)];
        if (j >= 0) paired[static_cast<std::size_t>(j)] = true;
        scorer.Add(part, i, std::to_string(i + 1) + "番目の" + std::string(noun), values(i, j));
    }
    for (int j = 0; j < m; ++j)
        if (!paired[static_cast<std::size_t>(j)]) scorer.Extra(part, j, typedSentence(j));
}

}  // namespace

std::string_view ScoreFieldName(ScoreField field) { return kFieldNames[static_cast<std::size_t>(field)]; }

PracticeScore ScorePractice(const ObservationSet& truth, const ObservationSet& typed) {
    Scorer scorer;
    for (int slot = 0; slot < truth.stationCount(); ++slot) {
        const bool typedHere = slot < typed.stationCount() && HasReport(typed.land(slot));
        if (HasReport(truth.land(slot))) {
            scorer.Add(ScriptPart::Land, slot, truth.stationName(slot),
                       LandValues(truth.land(slot), typedHere ? &typed.land(slot) : nullptr));
        } else if (typedHere) {
            scorer.Extra(ScriptPart::Land, slot, kPhrases.LandSentence(typed.stationName(slot), typed.land(slot)));
        }
    }
    ScoreRows(
        scorer, ScriptPart::Ship, truth.shipCount(), typed.shipCount(), "船",
        [&](int i, int j) { return ShipValues(truth.ship(i), j >= 0 ? &typed.ship(j) : nullptr); },
        [&](int j) { return kPhrases.ShipSentence(typed.ship(j)); });
    ScoreRows(
        scorer, ScriptPart::Fishery, truth.fisheryCount(), typed.fisheryCount(), "漁業気象",
        [&](int i, int j) { return FisheryValues(truth.fishery(i), j >= 0 ? &typed.fishery(j) : nullptr); },
        [&](int j) { return kPhrases.FisherySentence(typed.fishery(j)); });
    return scorer.Take();
}

ObservationSet ReadSoFar(const ObservationSet& truth, const std::vector<ScriptSentence>& script, int heard) {
    ObservationSet read = truth;
    int ships = 0;
    int fishery = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const ScriptSentence& s = script[i];
        const bool told = static_cast<int>(i) < heard;
        if (s.part == ScriptPart::Land && !told) read.land(s.first) = LandReport{};
        if (s.part == ScriptPart::Ship && told) ships = std::max(ships, s.first + s.count);
        if (s.part == ScriptPart::Fishery && told) fishery = std::max(fishery, s.first + s.count);
    }
    read.SetShipCount(ships);
    read.SetFisheryCount(fishery);
    return read;
}

}  // namespace isobra
