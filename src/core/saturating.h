// Counters that data values feed (scores, time, tiles left) stop at the ends of their
// 32-bit range instead of wrapping: a score value of two billion must not turn a score
// negative or end the game through a countdown gone below zero.
#pragma once

#include <cstdint>
#include <limits>

namespace vorantis {

inline std::int32_t SaturatingAdd(std::int32_t value, std::int64_t amount) {
  constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
  // Both bounds are within 2^32 of value, so neither subtraction can overflow.
  if (amount > kHighest - value) return static_cast<std::int32_t>(kHighest);
  if (amount < kLowest - value) return static_cast<std::int32_t>(kLowest);
  return static_cast<std::int32_t>(value + amount);
}

// value += amount, saturating.
inline void AddSaturating(std::int32_t& value, std::int64_t amount) {
  value = SaturatingAdd(value, amount);
}

}  // namespace vorantis
