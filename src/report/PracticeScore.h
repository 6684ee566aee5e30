#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/ObservationSet.h"
#include "report/ReportScript.h"

namespace isobra {

// What was typed during a practice, held against the report that was read.
//
// Land stations are matched by slot. Ships, and fishery entries, are matched
// in the order of entry: the pairing keeps both orders and matches as many
// equal values as it can, so a row left out (or typed twice) costs that row
// alone and the rows after it still meet their own. Every pair scores 1 plus
// the number of its values that agree, so two rows at the same place that
// agree on nothing still pair up (and count as wrong) rather than as a
// missed row and an extra one. A true row left without a partner is missed
// whole; a typed row left without one is extra.
//
// Only what the report says is scored: a calm wind has no direction, "不明"
// weather and missing pressures are not said, a fishery pressure of 0 is
// not said.

enum class ScoreField {
    Direction,    // land stations and ships
    Force,        // land stations and ships
    Weather,      // land stations and ships
    Pressure,     // land stations
    Temperature,  // land stations
    ShipPosition,
    ShipPressure,
    FisheryKind,
    FisheryPosition,
    FisheryPressure,
};
inline constexpr int kScoreFieldCount = 10;
// "風向", "風力", "天気", "気圧", "気温", "船の位置", "船の気圧", "種類", "位置", "中心気圧"
std::string_view ScoreFieldName(ScoreField field);

struct ScoreTally {
    int right = 0;
    int wrong = 0;
    int missed = 0;
    bool operator==(const ScoreTally&) const = default;
};

// A value said and typed differently, or said and not typed.
struct ScoreItem {
    ScoreField field = ScoreField::Direction;
    bool missed = false;
    ScriptPart part = ScriptPart::Land;
    int slot = 0;       // the slot of the report
    std::string where;  // "石垣島", "2番目の船", "3番目の漁業気象"
    std::string said;   // as the report says it: "北北西", "風力3", "1012ヘクトパスカル"
    std::string typed;  // the same way; "" when missed
    bool operator==(const ScoreItem&) const = default;
};

// A row typed that nothing read matches: a station the report did not read,
// a ship or fishery row left over by the pairing.
struct ExtraRow {
    ScriptPart part = ScriptPart::Land;
    int slot = 0;       // the slot typed
    std::string typed;  // the row as a sentence of the report
    bool operator==(const ExtraRow&) const = default;
};

struct PracticeScore {
    std::array<ScoreTally, kScoreFieldCount> tallies{};
    std::vector<ScoreItem> items;  // in the order of the report
    std::vector<ExtraRow> extras;  // in the order typed

    const ScoreTally& Of(ScoreField field) const { return tallies[static_cast<std::size_t>(field)]; }
};

PracticeScore ScorePractice(const ObservationSet& truth, const ObservationSet& typed);

// The report as far as it was read: `truth` as the first `heard` sentences
// of its script (MakeReportScript's, in either form) tell it. Stations not
// yet read have no report; ships and fishery rows not yet read are gone. A
// practice stopped half-way is scored against it, so what was never read
// is not missed.
ObservationSet ReadSoFar(const ObservationSet& truth, const std::vector<ScriptSentence>& script, int heard);

}  // namespace isobra
