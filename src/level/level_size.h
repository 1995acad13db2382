// The rules every source of a level size follows.
#pragma once

#include <cmath>
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

// A tile size shows fields when it is a positive number and the screen holds no more
// fields across or down than the largest level has (kLargestLevelSide + 1). Anything
// else (not a number, infinite, 0 or below, or so small that the frame would visit
// millions of fields to draw specks) counts as a tile size of 0: no field is in view
// and the cursor cannot step.
inline bool TileSizeShowsFields(float tile, float screenWidth, float screenHeight) {
  constexpr double kMostFieldsAcross = kLargestLevelSide + 1.0;
  if (!std::isfinite(tile) || !(tile > 0)) return false;
  return screenWidth / static_cast<double>(tile) <= kMostFieldsAcross &&
         screenHeight / static_cast<double>(tile) <= kMostFieldsAcross;
}

// A generated side above MAPSIZE or below 1 becomes MAPSIZE.
inline std::int64_t LimitToMapSize(std::int64_t side, std::int32_t mapSize) {
  return side > mapSize || side < 1 ? mapSize : side;
}

}  // namespace vorantis
