#include "report/ScriptReader.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/PlotKinds.h"
#include "report/KanaFolding.h"
#include "report/ReportWords.h"

namespace isobra {

namespace {

using namespace phrase;

// A clause as written (for messages and for kinds in 「」) and folded (for
// matching).
struct Clause {
    std::string original;
    std::string folded;
};
using Sentence = std::vector<Clause>;

bool IsSentenceEnd(char32_t c) { return c == U'。' || c == U'｡' || c == U'.' || c == U'．'; }
bool IsClauseBreak(char32_t c) { return c == U'、' || c == U'､' || c == U',' || c == U'，'; }
bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == U'\u3000'; }

std::string Trimmed(const std::vector<char32_t>& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin])) ++begin;
    while (end > begin && IsSpace(text[end - 1])) --end;
    return EncodeUtf8(std::vector<char32_t>(text.begin() + static_cast<std::ptrdiff_t>(begin),
                                            text.begin() + static_cast<std::ptrdiff_t>(end)));
}

// Sentences of clauses; a kind in 「」 may hold the marks that part them.
// Empty clauses and sentences are dropped.
std::vector<Sentence> SplitSentences(const std::vector<char32_t>& line) {
    std::vector<Sentence> sentences(1);
    std::vector<char32_t> clause;
    int quoted = 0;
    auto endClause = [&] {
        std::string text = Trimmed(clause);
        clause.clear();
        if (!text.empty()) sentences.back().push_back({text, FoldForMatching(text)});
    };
    for (char32_t c : line) {
        if (c == U'「') ++quoted;
        if (c == U'」' && quoted > 0) --quoted;
        if (quoted == 0 && IsClauseBreak(c)) {
            endClause();
        } else if (quoted == 0 && IsSentenceEnd(c)) {
            endClause();
            if (!sentences.back().empty()) sentences.emplace_back();
        } else {
            clause.push_back(c);
        }
    }
    endClause();
    if (sentences.back().empty()) sentences.pop_back();
    return sentences;
}

// The words are few and asked for again and again: each is folded once
// (per thread, so that readers on several threads share nothing).
const std::string& Folded(std::string_view word) {
    thread_local std::unordered_map<std::string_view, std::string> folded;
    auto it = folded.find(word);
    if (it == folded.end()) it = folded.emplace(word, FoldForMatching(word)).first;
    return it->second;
}

bool EatPrefix(std::string_view& s, const SpokenWord& w) {
    for (std::string_view form : {w.written, w.kana}) {
        const std::string& f = Folded(form);
        if (s.starts_with(f)) {
            s.remove_prefix(f.size());
            return true;
        }
    }
    return false;
}

bool EatSuffix(std::string_view& s, const SpokenWord& w) {
    for (std::string_view form : {w.written, w.kana}) {
        const std::string& f = Folded(form);
        if (s.ends_with(f)) {
            s.remove_suffix(f.size());
            return true;
        }
    }
    return false;
}

bool Is(std::string_view s, const SpokenWord& w) { return EatPrefix(s, w) && s.empty(); }

// The largest value any column of the observation file holds.
constexpr std::int32_t kLargestValue = 99999;

// A whole clause that is a number: digits, with "-" or "マイナス" before them.
std::optional<std::int32_t> WholeNumber(std::string_view s) {
    const bool negative = EatPrefix(s, kMinus);
    if (s.empty() || s.size() > 6) return std::nullopt;
    std::int32_t value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kLargestValue) return std::nullopt;
    return negative ? -value : value;
}

// "1012ヘクトパスカル"
std::optional<std::int32_t> PressureClause(std::string_view s) {
    if (!EatSuffix(s, kHectopascal)) return std::nullopt;
    return WholeNumber(s);
}

// "北緯30度" or "東経135度".
enum class Coordinate { None, Latitude, Longitude };
Coordinate PositionClause(std::string_view s, std::int32_t& value) {
    Coordinate which = Coordinate::None;
    if (EatPrefix(s, kNorth)) {
        which = Coordinate::Latitude;
    } else if (EatPrefix(s, kEast)) {
        which = Coordinate::Longitude;
    } else {
        return Coordinate::None;
    }
    if (!EatSuffix(s, kDegrees)) return Coordinate::None;
    const std::optional<std::int32_t> n = WholeNumber(s);
    if (!n) return Coordinate::None;
    value = *n;
    return which;
}

// The values a land station or a ship reports, and which of them were said.
struct ReportValues {
    std::int32_t direction = 0;
    std::int32_t force = 0;
    std::int32_t weather = kWeatherUnknown;
    std::int32_t pressure = 0;
    std::int32_t temperature = 0;
};

enum Item { kNone = -1, kDirectionItem, kForceItem, kWeatherItem, kPressureItem, kTemperatureItem, kItemCount };
constexpr std::array<std::string_view, kItemCount> kItemNames = {"風向", "風力", "天気", "気圧", "気温"};

Item ValueClause(std::string_view s, ReportValues& v) {
    std::string_view rest = s;
    if (EatSuffix(rest, kWind)) {
        for (int code = 0; code < kWindDirectionCount; ++code)
            if (Is(rest, kDirectionWords[static_cast<std::size_t>(code)])) {
                v.direction = code;
                return kDirectionItem;
            }
        return kNone;
    }
    rest = s;
    if (EatPrefix(rest, kForce)) {
        const std::optional<std::int32_t> n = WholeNumber(rest);
        if (!n) return kNone;
        v.force = *n;
        return kForceItem;
    }
    if (Is(s, kCalm)) {
        v.force = 0;
        return kForceItem;
    }
    for (int code = 0; code < kWeatherKindCount; ++code)
        if (Is(s, kWeatherWords[static_cast<std::size_t>(code)])) {
            v.weather = code;
            return kWeatherItem;
        }
    if (const std::optional<std::int32_t> hpa = PressureClause(s)) {
        v.pressure = *hpa;
        return kPressureItem;
    }
    rest = s;
    if (EatSuffix(rest, kDegrees)) {
        const bool belowFreezing = EatPrefix(rest, kBelowFreezing);
        const std::optional<std::int32_t> n = WholeNumber(rest);
        if (!n || (belowFreezing && *n < 0)) return kNone;
        v.temperature = belowFreezing ? -*n : *n;
        return kTemperatureItem;
    }
    return kNone;
}

class Reader {
public:
    explicit Reader(const ObservationSet& stations) {
        out_.SetStationCount(stations.stationCount());
        for (int slot = 0; slot < kSlotCount; ++slot) {
            out_.stationName(slot) = stations.stationName(slot);
            out_.stationPosition(slot) = stations.stationPosition(slot);
        }
        for (int slot = 0; slot < stations.stationCount(); ++slot) {
            const std::string& name = stations.stationName(slot);
            byName_.emplace(FoldForMatching(name), slot);
            if (const std::string_view reading = StationReading(name); !reading.empty())
                byName_.emplace(FoldForMatching(reading), slot);
        }
    }

    Status Line(int line, std::string_view text) {
        const std::optional<std::vector<char32_t>> decoded = DecodeUtf8(text);
        if (!decoded) return Status::Fail(LineText(line) + "にUTF-8として読めない文字があります。", line);
        for (const Sentence& s : SplitSentences(*decoded))
            if (Status st = OneSentence(line, s); !st) return st;
        return {};
    }

    ObservationSet Take() { return std::move(out_); }

private:
    static std::string LineText(int line) { return std::to_string(line) + "行目"; }

    static Status Unreadable(int line, const std::string& words) {
        return Status::Fail(LineText(line) + "の「" + words + "」が読めません。", line);
    }

    static std::string Joined(const Sentence& s) {
        std::string out;
        for (const Clause& c : s) out += (out.empty() ? "" : "、") + c.original;
        return out;
    }

    Status OneSentence(int line, const Sentence& s) {
        for (const SpokenWord* heading : {&kLandHeading, &kShipHeading, &kFisheryHeading})
            if (s.size() == 1 && Is(s[0].folded, *heading)) return {};
        if (Is(s[0].folded, kFromCentreWord) || Is(s[0].folded, kFromThereWord)) return Marker(line, s);
        for (std::size_t k = 0; k < s.size(); ++k) {
            std::string_view f = s[k].folded;
            if (EatSuffix(f, kShip)) return Ship(line, s, k);
        }
        if (std::string_view f = s[0].folded; EatSuffix(f, kAtStation)) {
            const auto it = byName_.find(std::string(f));
            if (it == byName_.end()) {
                std::string_view name = s[0].original;
                name.remove_suffix(name.ends_with("でわ") || name.ends_with("では") ? std::string_view("では").size()
                                                                                    : 0);
                return Status::Fail(LineText(line) + "の「" + std::string(name) + "」という観測地点はありません。",
                                    line);
            }
            return Land(line, s, it->second);
        }
        if (std::string_view f = s.back().folded; EatSuffix(f, kThereIs)) return Centre(line, s);
        if (std::string_view f = s[0].folded; EatSuffix(f, kSubject)) return LineOfPoints(line, s);
        return Unreadable(line, Joined(s));
    }

    // Reads clauses [from, s.size()) as report values; `items` of them may
    // be said, each at most once.
    Status Values(int line, const Sentence& s, std::size_t from, int items, ReportValues& v) {
        std::array<bool, kItemCount> seen{};
        for (std::size_t k = from; k < s.size(); ++k) {
            const Item item = ValueClause(s[k].folded, v);
            if (item == kNone || !(items & (1 << item))) return Unreadable(line, s[k].original);
            if (seen[static_cast<std::size_t>(item)])
                return Status::Fail(LineText(line) + "の「" + s[k].original + "」は二つ目の" +
                                        std::string(kItemNames[static_cast<std::size_t>(item)]) + "です。",
                                    line);
            seen[static_cast<std::size_t>(item)] = true;
        }
        return {};
    }

    Status Land(int line, const Sentence& s, int slot) {
        const std::size_t index = static_cast<std::size_t>(slot);
        if (stationLine_[index] != 0)
            return Status::Fail(LineText(line) + "の" + out_.stationName(slot) + "は、" +
                                    LineText(stationLine_[index]) + "にもあります。",
                                line);
        stationLine_[index] = line;
        ReportValues v;
        if (Status st = Values(line, s, 1, (1 << kItemCount) - 1, v); !st) return st;
        out_.land(slot) = {v.direction, v.force, v.weather, v.pressure, v.temperature};
        return {};
    }

    // Clauses [from, to) as "北緯30度", "東経135度", each at most once.
    Status Position(int line, const Sentence& s, std::size_t from, std::size_t to, std::string_view last,
                    std::int32_t& latitude, std::int32_t& longitude) {
        bool seenLatitude = false;
        bool seenLongitude = false;
        for (std::size_t k = from; k < to; ++k) {
            std::int32_t value = 0;
            const Coordinate c = PositionClause(k + 1 == to ? last : std::string_view(s[k].folded), value);
            if (c == Coordinate::None || (c == Coordinate::Latitude ? seenLatitude : seenLongitude))
                return Unreadable(line, s[k].original);
            (c == Coordinate::Latitude ? seenLatitude : seenLongitude) = true;
            (c == Coordinate::Latitude ? latitude : longitude) = value;
        }
        return {};
    }

    // "北緯30度、東経135度の船では、…" with the ship's clause at `at`.
    Status Ship(int line, const Sentence& s, std::size_t at) {
        if (out_.shipCount() >= kSlotCount)
            return Status::Fail(LineText(line) + "で船舶の報告が" + std::to_string(kSlotCount) + "件を超えました。",
                                line);
        ShipReport ship;
        std::string_view own = s[at].folded;
        EatSuffix(own, kShip);
        if (!own.empty() && !EatSuffix(own, kOf)) return Unreadable(line, s[at].original);
        // The position ends in the ship's own clause, or in the one before it.
        const std::size_t to = own.empty() ? at : at + 1;
        const std::string_view last = !own.empty() ? own : at > 0 ? std::string_view(s[at - 1].folded) : own;
        if (Status st = Position(line, s, 0, to, last, ship.latitude, ship.longitude); !st) return st;
        ReportValues v;
        const int items = (1 << kDirectionItem) | (1 << kForceItem) | (1 << kWeatherItem) | (1 << kPressureItem);
        if (Status st = Values(line, s, at + 1, items, v); !st) return st;
        ship.windDirection = v.direction;
        ship.windForce = v.force;
        ship.weather = v.weather;
        ship.pressure = v.pressure;
        const int slot = out_.shipCount();
        out_.SetShipCount(slot + 1);
        out_.ship(slot) = ship;
        return {};
    }

    Status AddFishery(int line, const FisheryEntry& e) {
        if (out_.fisheryCount() >= kSlotCount)
            return Status::Fail(LineText(line) + "で漁業気象が" + std::to_string(kSlotCount) + "件を超えました。",
                                line);
        const int slot = out_.fisheryCount();
        out_.SetFisheryCount(slot + 1);
        out_.fishery(slot) = e;
        return {};
    }

    // The kind at the end of `s`, a known word or any text in 「」, taken
    // off `s`; the original clause gives the text in 「」.
    static std::optional<std::string> KindAtEnd(std::string_view& s, const std::string& original, bool lineKinds) {
        if (s.ends_with("」")) {
            const std::size_t open = s.find("「");
            const std::size_t from = original.find("「");
            const std::size_t to = original.rfind("」");
            if (lineKinds || open == std::string_view::npos || from == std::string::npos || to < from) return {};
            s = s.substr(0, open);
            return original.substr(from + std::string_view("「").size(), to - from - std::string_view("「").size());
        }
        for (const SpokenWord& w : kFisheryKindWords)
            if (IsLineKind(w.written) == lineKinds && EatSuffix(s, w)) return std::string(w.written);
        return {};
    }

    // "[1012ヘクトパスカルの]" before a kind: the pressure, or 0.
    static std::optional<std::int32_t> PressureBeforeKind(std::string_view s) {
        if (s.empty()) return 0;
        if (!EatSuffix(s, kOf)) return {};
        return PressureClause(s);
    }

    // "北緯40度、東経150度に、996ヘクトパスカルの低気圧があります。"
    Status Centre(int line, const Sentence& s) {
        std::string_view last = s.back().folded;
        EatSuffix(last, kThereIs);
        FisheryEntry e;
        const std::optional<std::string> kind = KindAtEnd(last, s.back().original, false);
        const std::optional<std::int32_t> pressure = kind ? PressureBeforeKind(last) : std::nullopt;
        if (!pressure) return Unreadable(line, s.back().original);
        e.kind = *kind;
        e.pressure = *pressure;
        if (s.size() > 1) {
            std::string_view at = s[s.size() - 2].folded;
            if (!EatSuffix(at, kAt)) return Unreadable(line, s[s.size() - 2].original);
            if (Status st = Position(line, s, 0, s.size() - 1, at, e.latitude, e.longitude); !st) return st;
        }
        return AddFishery(line, e);
    }

    // "中心から、北緯47度、東経155度。"
    Status Marker(int line, const Sentence& s) {
        FisheryEntry e;
        e.kind = Is(s[0].folded, kFromCentreWord) ? kFromCentreKind : kFromThereKind;
        std::size_t to = s.size();
        if (to > 1) {
            if (const std::optional<std::int32_t> hpa = PressureClause(s.back().folded)) {
                e.pressure = *hpa;
                --to;
            }
        }
        if (Status st = Position(line, s, 1, to, s[to - 1].folded, e.latitude, e.longitude); !st) return st;
        return AddFishery(line, e);
    }

    // "寒冷前線が、[低気圧の中心からのびて、]北緯44度、東経150度、…を通っています。"
    Status LineOfPoints(int line, const Sentence& s) {
        std::string_view head = s[0].folded;
        EatSuffix(head, kSubject);
        const std::optional<std::string> kind = KindAtEnd(head, s[0].original, true);
        const std::optional<std::int32_t> pressure = kind ? PressureBeforeKind(head) : std::nullopt;
        if (!pressure) return Unreadable(line, s[0].original);
        FisheryEntry point{*kind, 0, 0, *pressure};

        std::size_t k = 1;
        if (k < s.size()) {
            std::string_view start = s[k].folded;
            const bool fromCentre = EatPrefix(start, kFromLowCentre);
            if (fromCentre || EatPrefix(start, kFromThere)) {
                const bool last = Is(start, kStretching);
                if (!(last ? k + 1 == s.size() : Is(start, kStretchingOn) && k + 1 < s.size()))
                    return Unreadable(line, s[k].original);
                // From the last low's centre, or from the entry just before.
                int before = out_.fisheryCount() - 1;
                while (fromCentre && before >= 0 && out_.fishery(before).kind != kLowKind) --before;
                if (before < 0)
                    return Status::Fail(LineText(line) + "の「" + s[k].original + "」の前に" +
                                            (fromCentre ? "低気圧" : "前線") + "がありません。",
                                        line);
                point.latitude = out_.fishery(before).latitude;
                point.longitude = out_.fishery(before).longitude;
                if (Status st = AddFishery(line, point); !st) return st;
                ++k;
            }
        }
        if (k == s.size()) {
            if (k == 1) return Unreadable(line, Joined(s));
            return {};
        }
        std::string_view last = s.back().folded;
        if (!EatSuffix(last, kPassing)) return Unreadable(line, s.back().original);
        for (; k < s.size(); ++k) {
            const std::string_view f = k + 1 == s.size() ? last : std::string_view(s[k].folded);
            point.latitude = point.longitude = 0;
            if (!Is(f, kNoPosition)) {
                std::int32_t value = 0;
                const Coordinate c = PositionClause(f, value);
                if (c == Coordinate::None) return Unreadable(line, s[k].original);
                (c == Coordinate::Latitude ? point.latitude : point.longitude) = value;
                std::int32_t east = 0;
                if (c == Coordinate::Latitude && k + 1 < s.size() &&
                    PositionClause(k + 2 == s.size() ? last : std::string_view(s[k + 1].folded), east) ==
                        Coordinate::Longitude) {
                    point.longitude = east;
                    ++k;
                }
            }
            if (Status st = AddFishery(line, point); !st) return st;
        }
        return {};
    }

    ObservationSet out_;
    std::map<std::string, int> byName_;
    std::array<int, kSlotCount> stationLine_{};
};

}  // namespace

Result<ObservationSet> ReadReportScript(std::string_view utf8, const ObservationSet& stations) {
    if (utf8.starts_with("\xEF\xBB\xBF")) utf8.remove_prefix(3);
    Reader reader(stations);
    int line = 0;
    while (!utf8.empty()) {
        ++line;
        const std::size_t end = utf8.find('\n');
        std::string_view text = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        if (text.ends_with('\r')) text.remove_suffix(1);
        if (Status st = reader.Line(line, text); !st) return st.failure();
    }
    return reader.Take();
}

}  // namespace isobra
