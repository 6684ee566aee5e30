#include "practice/PracticeData.h"

#include <QFileInfo>

#include "model/FileAccess.h"
#include "model/PressureField.h"
#include "model/StationTable.h"
#include "widgets/QtText.h"

namespace isobra {

Result<PracticeReport> ReadPracticeReport(const QString& path) {
    const std::string name = ToUtf8(QFileInfo(path).fileName());
    const Result<std::string> bytes = ReadWholeFile(ToUtf8(path));
    if (!bytes) return Result<PracticeReport>::Fail(ReadFailureText(name, bytes.message()));
    Result<ObservationFileData> data = ParseObservationFile(*bytes);
    if (!data) return Result<PracticeReport>::Fail(ReadFailureText(name, data.failure()));
    PracticeReport report;
    report.path = path;
    report.data = std::move(*data);
    report.observations = ObservationsOf(report.data);
    report.written = MakeReportScript(report.observations, ScriptForm::Written);
    report.kana = MakeReportScript(report.observations, ScriptForm::Kana);
    return report;
}

ObservationSet ObservationsOf(const ObservationFileData& data) {
    ObservationSet observations;
    InitStationTable(observations);
    PressureField field;
    ApplyObservationFile(data, observations, field);
    return observations;
}

Result<ObservationFileData> TypedData(const AppState& state) {
    const Result<std::string> bytes = state.lists.FileAsSaved(state.observations);
    if (!bytes) return Result<ObservationFileData>::Fail(bytes.message());
    return ParseObservationFile(*bytes);
}

}  // namespace isobra
