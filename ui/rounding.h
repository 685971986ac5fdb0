// Rounding to whole numbers the way the rest of the system expects: to the nearest
// integer, halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace ui {

inline double round_half_even(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// Rounds half to even, then saturates at the 32-bit limits (NaN gives 0), so no
// input can reach the undefined conversion of an out-of-range double.
inline std::int32_t round_to_int32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = round_half_even(value);
    if (rounded <= double(std::numeric_limits<std::int32_t>::min())) return std::numeric_limits<std::int32_t>::min();
    if (rounded >= double(std::numeric_limits<std::int32_t>::max())) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace ui
