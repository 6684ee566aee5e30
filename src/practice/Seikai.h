#pragma once

#include <QWidget>

#include "model/ObservationFile.h"

namespace isobra {

class AppState;

// "正解の天気図": the map of what was typed beside the map of the report
// read, drawn as the menu draws them, so the user sees what a slip did to
// the isobars. The program's own map and data stay as they are.
class Seikai : public QWidget {
    Q_OBJECT

public:
    Seikai(const AppState& program, const ObservationFileData& typed, const ObservationFileData& report,
           const QString& reportName, QWidget* parent = nullptr);
};

}  // namespace isobra
