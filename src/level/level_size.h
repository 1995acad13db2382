// The rules every source of a level size follows.
#pragma once

#include <cstdint>

namespace vorantis {

// The largest level side any source may set.
inline constexpr std::int32_t kLargestLevelSide = 1024;

// 0..kLargestLevelSide: the grid grows to cover the level, up to this size.
inline std::int32_t ClampLevelSide(std::int64_t side) {
  if (side < 0) return 0;
  if (side > kLargestLevelSide) return kLargestLevelSide;
  return static_cast<std::int32_t>(side);
}

// A generated side above MAPSIZE or below 1 becomes MAPSIZE.
inline std::int64_t LimitToMapSize(std::int64_t side, std::int32_t mapSize) {
  return side > mapSize || side < 1 ? mapSize : side;
}

}  // namespace vorantis
