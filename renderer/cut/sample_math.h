#pragma once
// How every computed sample value is stored: rounded to the nearest integer with halves
// going away from zero, then clamped to the signed 16-bit range. Pure and thread-safe.

#include <cstdint>

namespace renderer {

// NaN stores as 0. Clamping before rounding gives the same result as rounding first
// (every value beyond a bound rounds to at least that bound), and keeps the integer
// conversion below in range. The rounding splits off the whole part, which is exact,
// instead of adding 0.5, which would round 0.49999999999999994 up; it is branch-free so
// that whole-buffer loops vectorise.
constexpr int16_t clampInt16(double value) {
    if (value != value) return 0;
    const double clamped = value < -32768.0 ? -32768.0 : (value > 32767.0 ? 32767.0 : value);
    const int whole = static_cast<int>(clamped);
    const double fraction = clamped - whole;
    return static_cast<int16_t>(whole + (fraction >= 0.5) - (fraction <= -0.5));
}

}  // namespace renderer
