#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Result.h"
#include "satellite/ConversionFiles.h"

namespace isobra {

// A sensor file ("forg.00?") holds four bit planes of an 800 x 800 picture one
// after the other, 80000 bytes each (800 lines of 100 bytes, the most
// significant bit the leftmost pixel): the plane of weight 8 first, then 4,
// 2 and 1. Line L of a plane is read from the plane's offsets L*100 + 1 to
// L*100 + 100, deliberately one byte past L*100.
inline constexpr std::size_t kSensorPlaneBytes = 80000;
inline constexpr std::size_t kSensorLineBytes = 100;
inline constexpr int kSensorLines = 800;
// The last byte read is that of line 798 of the last plane.
inline constexpr std::size_t kSensorBytesRead = 3 * kSensorPlaneBytes + (kSensorLines - 2) * kSensorLineBytes + 101;
static_assert(kSensorBytesRead == 319901);

// The converted image of a sensor file: the even lines 798 down to 0 and of
// each byte the pixels at bits 7, 5, 3 and 1 (the 1st, 3rd, 5th and 7th
// pixel), halving the picture to 400 x 400. A pixel's palette index is the
// sum of the weights of the planes whose bit is set. `progress` hears the
// lines 798, 796, ..., 0. A source shorter than 319901 bytes is refused.
Result<std::string> ConvertSensorBytes(std::string_view source, const ConversionProgress& progress = {});

// Whether a file name matches "forg.00?", compared case-blind.
bool IsSensorFileName(std::string_view name);

// Converts the chosen sensor file into the file named like the source with
// its last three characters replaced by "BMP" (forg.003 gives forg.BMP). An
// existing file of that name in any case is replaced in place. The source is
// read once, whole. A name not matching "forg.00?" and a source too short
// are refused before anything is written; the failure's message is the
// whole text for the user. Gives the path written.
Result<std::string> ConvertSensorFile(const std::string& sourcePath, const ConversionProgress& progress = {});

}  // namespace isobra
