#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/GridSettings.h"

namespace isobra {

// Isobar spacings the user may choose, in hPa, both ends included.
inline constexpr double kMinIntervalHpa = 0.5;
inline constexpr double kMaxIntervalHpa = 10.0;

// The spacing of v hPa in grid units: v x scale worked out in double
// precision and stored as a 32-bit float, and the half spacing as
// (v - v / 2) x scale (2.1 hPa gives exactly 210, not 209.99998).
struct IsobarInterval {
    float interval;
    float halfInterval;
};
IsobarInterval IntervalFromHpa(double hpa, int pressureScale);

inline bool IsIntervalInRange(double hpa) { return hpa >= kMinIntervalHpa && hpa <= kMaxIntervalHpa; }

// Sets the grid settings' spacing.
void SetIsobarInterval(GridSettings& settings, double hpa);

// The dialog's answer read by the leading-number rule ("3abc" is 3, letters
// are 0), full-width digits counting as digits ("４" is 4): the spacing in
// hPa when it lies in range, else none.
std::optional<double> IntervalFromAnswer(std::string_view answer);

// The spacing of the settings in hPa as the dialog names it ("2", "0.5").
std::string IntervalText(const GridSettings& settings);

}  // namespace isobra
