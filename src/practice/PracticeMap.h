#pragma once

#include <QImage>
#include <QString>

#include "model/ObservationFile.h"
#include "state/AppState.h"

namespace isobra {

// One map of a practice: the square of the map, and what the user should
// know of its isobars (none drawn, or drawn over part of the map only).
struct PracticeMap {
    QImage picture;
    QString note;
};

// The map of these observations as the menu draws it (map, isobars,
// weather symbols, wind, fronts), in the colours and with the settings of
// `program`, whose own observations and grid stay as they are.
PracticeMap DrawPracticeMap(const AppState& program, const ObservationFileData& data);

}  // namespace isobra
