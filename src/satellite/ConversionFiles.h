#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Result.h"

namespace isobra {

// Told each source line as soon as it is converted; the numbers count down
// to 0, so a caller can show how much is left. May be empty.
using ConversionProgress = std::function<void(int line)>;

// The please-wait caption for a line still to go: "あと399 ラインです".
std::string ConversionProgressCaption(int line);

// The message for a conversion refused before anything was written:
// "「name.b1」を変換できませんでした（reason）。ＢＭＰファイルは作っていません。"
std::string ConversionFailureText(const std::string& sourceName, const std::string& reason);

// An existing entry beside `path` whose name equals the name of `path`
// compared case-blind, as the path to use: `path` itself when it exists
// under that exact name, otherwise the first such entry in byte order.
// Nothing when there is none or the folder cannot be listed.
std::optional<std::string> FindCaseBlind(const std::string& path);

// Saves a converted picture as `wantedPath`, or over an existing file whose
// name differs from it only in case, and gives the path written; never over
// one of its `sources`. A failure comes as the user's text, SaveFailureText's.
Result<std::string> SaveConvertedImage(const std::string& wantedPath, const std::string& image,
                                       const std::vector<std::string>& sources);

}  // namespace isobra
