#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Result.h"
#include "satellite/ConversionFiles.h"

namespace isobra {

// A plane file holds one bit plane of a 640 x 400 picture: 400 lines of 80
// bytes, line 0 first, the most significant bit the leftmost pixel. The four
// planes of a picture share a name but for its last two characters, "B1",
// "R1", "G1" and "E1". Only the first 50 bytes of a line (the left 400
// pixels) are converted, but every plane must hold all 400 lines.
inline constexpr int kPlaneLines = 400;
inline constexpr std::size_t kPlaneLineBytes = 80;
inline constexpr std::size_t kPlaneBytesRead = kPlaneLines * kPlaneLineBytes;  // 32000

// The converted image of the four planes of one picture. A pixel's palette
// index is 8 E + 4 G + 2 R + B, each the pixel's bit in that plane.
// `progress` hears the lines 399 down to 0. A plane shorter than 32000 bytes
// is refused; the failure names its plane code.
Result<std::string> ConvertPlaneBytes(std::string_view b1, std::string_view r1, std::string_view g1,
                                      std::string_view e1, const ConversionProgress& progress = {});

// Converts the chosen B1 file and its sibling planes, found beside it
// whatever the case of their names, into the file named like the source with
// its last two characters replaced by "BMP" (name.B1 gives name.BMP). An
// existing file of that name in any case (name.bmp) is replaced in place.
// Each plane is read once, whole. A name not ending in "B1", a missing or
// unreadable plane and a plane shorter than 400 lines are refused before
// anything is written; the failure's message is the whole text for the
// user. A failed save leaves any earlier image as it was. Gives the path
// written.
// Whether a file name ends in ".b1", compared case-blind: the name by which
// a plane set is told from other files.
bool IsPlaneFileName(std::string_view name);

Result<std::string> ConvertPlaneFile(const std::string& b1Path, const ConversionProgress& progress = {});

}  // namespace isobra
