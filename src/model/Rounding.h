#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace isobra {

// Nearest 32-bit integer with halves going to the even neighbour (2.5 -> 2,
// 3.5 -> 4): std::nearbyint in the default rounding mode, not std::round.
// Values beyond the 32-bit range saturate and NaN gives 0, so a wild input
// can never make the conversion undefined.
inline std::int32_t RoundHalfEven(double v) {
    // Adding and taking away 1.5 x 2^52 leaves no fraction bits, so the sum
    // rounds exactly as std::nearbyint does in the default rounding mode,
    // without a call into the maths library. Valid well beyond 32 bits.
    constexpr double kShift = 6755399441055744.0;
    if (v > -2147483648.0 && v < 2147483647.0) return static_cast<std::int32_t>((v + kShift) - kShift);
    const double r = std::nearbyint(v);
    if (r != r) return 0;
    if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

// Largest integer not above v, saturating like RoundHalfEven.
inline std::int32_t FloorToInt(double v) {
    const double r = std::floor(v);
    if (r != r) return 0;
    if (r >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (r <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

}  // namespace isobra
