// Float to whole number as the game converts positions and sizes: to the nearest
// integer, halves to even (the processor's default rounding).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace vorantis {

// Out-of-range values (a tile size of 0 divides to infinity) saturate instead of
// being undefined; NaN gives 0.
inline std::int32_t NearestInt(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (rounded <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace vorantis
