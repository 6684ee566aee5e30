#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ObservationSet.h"
#include "report/ReportWords.h"

namespace isobra {

// The pieces of the report's sentences in one form: the script is made of
// them, and the score shows what was said and what was typed in them.
class ReportPhrases {
public:
    explicit ReportPhrases(ScriptForm form) : form_(form) {}

    std::string Word(const SpokenWord& word) const { return std::string(word.In(form_)); }
    std::string Number(std::int64_t value) const;
    std::string Pressure(std::int32_t hpa) const;         // "1012ヘクトパスカル"
    std::string Temperature(std::int32_t degrees) const;  // "25度", "氷点下5度"
    // "北緯30度、東経135度", a half left out when it is 0; "" for neither.
    std::string Position(std::int32_t latitude, std::int32_t longitude) const;
    // A point of a front or an isobar: its position, or "位置不明".
    std::string Point(std::int32_t latitude, std::int32_t longitude) const;
    std::string Direction(std::int32_t code) const;   // "北北西"; "" outside the table
    std::string Force(std::int32_t force) const;      // "風力3"; "風弱く" for 0
    std::string Weather(std::int32_t code) const;     // "晴れ"; "" outside the table
    std::string Kind(const std::string& kind) const;  // "低気圧"; any other text in 「」
    std::string StationName(const std::string& name) const;

    // The clauses joined by "、", empty ones left out, with "。" at the end.
    std::string Sentence(const std::vector<std::string>& clauses) const;

    // Whole sentences, for a station with a report and for a ship.
    std::string LandSentence(const std::string& name, const LandReport& report) const;
    std::string ShipSentence(const ShipReport& ship) const;
    // One fishery entry said on its own, its front start aside.
    std::string FisherySentence(const FisheryEntry& entry) const;

private:
    void AddWeatherAndWind(std::vector<std::string>& clauses, std::int32_t direction, std::int32_t force,
                           std::int32_t weather) const;

    ScriptForm form_;
};

}  // namespace isobra
