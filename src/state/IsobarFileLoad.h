#pragma once

#include <string>
#include <string_view>

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

// The checking and applying half of LoadIsobarFile, for a file already read
// whole: the bytes parsed, then applied, the station count set and the old
// corrections forgotten. Refused bytes change nothing.
Status ApplyIsobarBytes(std::string_view bytes, int stationCount, AppState& state);

}  // namespace isobra
