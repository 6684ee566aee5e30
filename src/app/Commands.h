#pragma once

#include "app/DisplayCommands.h"
#include "app/EntryWindows.h"
#include "app/ExportCommands.h"
#include "app/FileCommands.h"
#include "app/GivenFiles.h"
#include "app/IsobarCommands.h"
#include "app/MapClicks.h"
#include "app/ObservationRecovery.h"
#include "app/PracticeCommands.h"
#include "app/SatelliteCommands.h"
#include "app/UnsavedGuard.h"

namespace isobra {

class AppState;
class MapView;
class Prompts;

// Every command of the program, each group in a class of its own, made in
// the order they need one another. The main window's menus call them.
struct Commands {
    Commands(AppState& state, Prompts& prompts, MapView& map);

    ObservationRecovery recovery;
    // Any command that replaces the observations asks it first.
    UnsavedGuard unsaved;
    EntryWindows entry;
    FileCommands files;
    IsobarCommands isobars;
    SatelliteCommands satellite;
    DisplayCommands display;
    ExportCommands exporting;
    GivenFiles givenFiles;
    MapClicks clicks;
    PracticeCommands practice;
};

}  // namespace isobra
