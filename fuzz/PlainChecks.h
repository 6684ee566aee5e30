#pragma once

// Checks that go over every pixel or byte of a result, compiled without
// coverage and sanitizers (see CMakeLists.txt): in the instrumented targets
// they would cost more than what they check and give libFuzzer nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace isobra {
struct IsobarLayout;
}

namespace isobra::fuzz {

// The first pixel (x, y) of a converted picture that is not the sum of its
// bits in the sources, if any: four plane files, or one sensor file.
std::optional<std::pair<int, int>> FirstPlanePixelAmiss(std::string_view bmp, const std::array<std::string, 4>& planes);
std::optional<std::pair<int, int>> FirstSensorPixelAmiss(std::string_view bmp, std::string_view source);

// What is wrong with a PDF's frame, or nothing: the header, "%%EOF" at the
// end, "startxref" giving the offset of the cross-reference table, and
// every object that table lists standing at its offset as "N 0 obj".
std::string PdfFrameProblem(std::string_view pdf);

// What is wrong with the values on the isobars, or nothing: each stands
// for a line of its level and is that level written out, at most two on a
// line, and each value's box lies inside the map, clear of the map's lines,
// of every figure, of the central pressures and of every other value.
std::string LabelProblem(const IsobarLayout& layout, std::int32_t pressureScale);

}  // namespace isobra::fuzz
