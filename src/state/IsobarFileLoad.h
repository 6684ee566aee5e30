#pragma once

#include <string>

#include "model/Result.h"
#include "state/AppState.h"

namespace isobra {

// Reads an isobar file whole, checks it and only then applies it: the grid,
// the items after `stationCount` stations, and that station count. Every
// command that loads an isobar file (the menu command, each step of the
// show) comes through here, so whatever replacing the grid entails is done
// in this one place. A refused file changes nothing; the failure is a
// sentence for ReadFailureText ("ファイルかフォルダが見つかりません。",
// "12行目の…。").
Status LoadIsobarFile(const std::string& path, int stationCount, AppState& state);

}  // namespace isobra
