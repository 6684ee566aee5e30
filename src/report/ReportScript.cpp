#include "report/ReportScript.h"

#include "model/PlotKinds.h"
#include "report/ReportPhrases.h"

namespace isobra {

namespace {

using namespace phrase;

bool IsKnownFront(const std::string& kind) { return IsLineKind(kind) && kind != kIsobarKind; }

// A point with a latitude only, then one with a longitude only, would read
// back as one point: such points are told in two sentences.
bool ReadAsOnePoint(const FisheryEntry& a, const FisheryEntry& b) {
    return a.latitude != 0 && a.longitude == 0 && b.latitude == 0 && b.longitude != 0;
}

// How a front that begins where an entry before it lies is told: from the
// centre of the last low before it, or from the last point of the front
// just before it (where one front turns into another). None when it begins
// elsewhere.
const SpokenWord* FrontStart(const ObservationSet& obs, int slot) {
    const FisheryEntry& e = obs.fishery(slot);
    if (!IsKnownFront(e.kind) || e.latitude == 0 || e.longitude == 0) return nullptr;
    auto at = [&e](const FisheryEntry& other) {
        return other.latitude == e.latitude && other.longitude == e.longitude;
    };
    for (int k = slot - 1; k >= 0; --k)
        if (obs.fishery(k).kind == kLowKind) {
            if (at(obs.fishery(k))) return &kFromLowCentre;
            break;
        }
    if (slot > 0 && IsKnownFront(obs.fishery(slot - 1).kind) && at(obs.fishery(slot - 1))) return &kFromThere;
    return nullptr;
}

// "1012ヘクトパスカルの等圧線が、北緯…を通っています。" for the run [first, end).
std::string LineSentence(const ReportPhrases& p, const ObservationSet& obs, int first, int end) {
    const FisheryEntry& e = obs.fishery(first);
    const std::string head =
        (e.pressure != 0 ? p.Pressure(e.pressure) + p.Word(kOf) : "") + p.Kind(e.kind) + p.Word(kSubject);
    std::vector<std::string> clauses{head};
    int next = first;
    if (const SpokenWord* start = FrontStart(obs, first)) {
        if (end - first == 1) return p.Sentence({head, p.Word(*start) + p.Word(kStretching)});
        clauses.push_back(p.Word(*start) + p.Word(kStretchingOn));
        ++next;
    }
    for (; next < end; ++next) clauses.push_back(p.Point(obs.fishery(next).latitude, obs.fishery(next).longitude));
    clauses.back() += p.Word(kPassing);
    return p.Sentence(clauses);
}

// Consecutive points of one front or isobar kind with one pressure are told
// together; every other entry on its own.
void AddFishery(const ReportPhrases& p, const ObservationSet& obs, std::vector<ScriptSentence>& out) {
    const int n = obs.fisheryCount();
    for (int k = 0; k < n;) {
        const FisheryEntry& e = obs.fishery(k);
        int end = k + 1;
        if (IsLineKind(e.kind)) {
            while (end < n && obs.fishery(end).kind == e.kind && obs.fishery(end).pressure == e.pressure &&
                   !ReadAsOnePoint(obs.fishery(end - 1), obs.fishery(end)))
                ++end;
            out.push_back({ScriptPart::Fishery, k, end - k, LineSentence(p, obs, k, end)});
        } else {
            out.push_back({ScriptPart::Fishery, k, 1, p.FisherySentence(e)});
        }
        k = end;
    }
}

}  // namespace

std::vector<ScriptSentence> MakeReportScript(const ObservationSet& obs, ScriptForm form) {
    const ReportPhrases p(form);
    std::vector<ScriptSentence> out;
    for (int slot = 0; slot < obs.stationCount(); ++slot) {
        if (!HasReport(obs.land(slot))) continue;
        if (out.empty()) out.push_back({ScriptPart::Heading, 0, 0, p.Sentence({p.Word(kLandHeading)})});
        out.push_back({ScriptPart::Land, slot, 1, p.LandSentence(obs.stationName(slot), obs.land(slot))});
    }
    if (obs.shipCount() > 0) out.push_back({ScriptPart::Heading, 0, 0, p.Sentence({p.Word(kShipHeading)})});
    for (int slot = 0; slot < obs.shipCount(); ++slot)
        out.push_back({ScriptPart::Ship, slot, 1, p.ShipSentence(obs.ship(slot))});
    if (obs.fisheryCount() > 0) out.push_back({ScriptPart::Heading, 0, 0, p.Sentence({p.Word(kFisheryHeading)})});
    AddFishery(p, obs, out);
    return out;
}

std::string ScriptText(const std::vector<ScriptSentence>& sentences) {
    std::string out;
    for (const ScriptSentence& s : sentences) out += s.text + "\n";
    return out;
}

}  // namespace isobra
