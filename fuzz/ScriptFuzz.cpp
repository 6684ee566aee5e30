// The report's script: whatever the reader takes, the script made of it
// (in either form) reads back, and a script made again of that is the
// same text.
#include "FuzzSupport.h"
#include "report/ReportScript.h"
#include "report/ScriptReader.h"

using namespace isobra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ObservationSet stations = AppState{}.observations;
    const Result<ObservationSet> first = ReadReportScript(fuzz::Bytes(data, size), stations);
    if (!first) return 0;
    for (ScriptForm form : {ScriptForm::Written, ScriptForm::Kana}) {
        const std::string script = ScriptText(MakeReportScript(*first, form));
        const Result<ObservationSet> back = ReadReportScript(script, stations);
        fuzz::Require(back.ok(), "the reader reads the script made of what it read", back.message() + "\n" + script);
        fuzz::Require(ScriptText(MakeReportScript(*back, form)) == script, "the script made again is the same", script);
    }
    return 0;
}
