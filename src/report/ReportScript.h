#pragma once

#include <string>
#include <vector>

#include "model/ObservationSet.h"
#include "report/ReportWords.h"

namespace isobra {

// The report read aloud, sentence by sentence, in the order of the entry
// lists: a heading, every land station that has a report; a heading, every
// ship; a heading, the fishery report (each high, low, typhoon or pending
// front start on its own, the points of a front or an isobar together).
// Values that are not there are left out, never read as 0. The README's
// "The practice script" gives the sentences; ReadReportScript reads them
// back into the same observations.

enum class ScriptPart { Heading, Land, Ship, Fishery };

struct ScriptSentence {
    ScriptPart part = ScriptPart::Heading;
    int first = 0;     // the station slot, ship slot or first fishery slot told
    int count = 0;     // slots told: 1 for a station or a ship, 0 for a heading
    std::string text;  // one sentence, ending in "。"
    bool operator==(const ScriptSentence&) const = default;
};

// The two forms have the same sentences in the same order, so sentence i of
// the kana form is spoken while sentence i of the written one is shown.
std::vector<ScriptSentence> MakeReportScript(const ObservationSet& observations, ScriptForm form);

// One sentence a line, each line ended by "\n": the text file of a script.
std::string ScriptText(const std::vector<ScriptSentence>& sentences);

}  // namespace isobra
