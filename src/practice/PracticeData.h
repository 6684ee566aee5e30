#pragma once

#include <QString>
#include <vector>

#include "model/ObservationFile.h"
#include "model/ObservationSet.h"
#include "model/Result.h"
#include "report/ReportScript.h"
#include "state/AppState.h"

namespace isobra {

// A report to be read aloud: the observation file it came from, read whole,
// and its script in both forms.
struct PracticeReport {
    QString path;
    ObservationFileData data;
    ObservationSet observations;
    std::vector<ScriptSentence> written;
    std::vector<ScriptSentence> kana;
};

// The observation file at `path`, read and checked whole; the user's
// sentence why not (naming the file and the line).
Result<PracticeReport> ReadPracticeReport(const QString& path);

// The observations as a load of this file's data gives them, over the
// built-in station table.
ObservationSet ObservationsOf(const ObservationFileData& data);

// What the entry windows hold, as a save would write it and a load read it
// back.
Result<ObservationFileData> TypedData(const AppState& state);

}  // namespace isobra
