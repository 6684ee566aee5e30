#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace isobra {

// Told each source line as soon as it is converted; the numbers count down
// to 0, so a caller can show how much is left. May be empty.
using ConversionProgress = std::function<void(int line)>;

// The please-wait caption for a line still to go: "あと399 ラインです".
std::string ConversionProgressCaption(int line);

// The message for a conversion refused before anything was written:
// "「name.b1」を変換できませんでした（reason）。ＢＭＰファイルは作っていません。"
std::string ConversionFailureText(const std::string& sourceName, const std::string& reason);

// The last component of a path ("dir/name.B1" gives "name.B1").
std::string FileNameOf(const std::string& path);

// Whether two names are the same when ASCII letters are compared without
// regard to case (other bytes, Japanese included, must match exactly).
bool SameNameCaseBlind(std::string_view a, std::string_view b);

// An existing entry beside `path` whose name equals the name of `path`
// compared case-blind, as the path to use: `path` itself when it exists
// under that exact name, otherwise the first such entry in byte order.
// Nothing when there is none or the folder cannot be listed.
std::optional<std::string> FindCaseBlind(const std::string& path);

}  // namespace isobra
