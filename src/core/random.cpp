#include "core/random.h"

#include <bit>

namespace vorantis {

std::uint32_t Random::SeedRandom(std::int32_t seed) {
  seeded_ = true;
  std::uint32_t x = static_cast<std::uint32_t>(seed);
  for (auto& word : state_) {
    x = x * 2891336453u + 1u;
    word = x;
  }
  p1_ = 0;
  p2_ = 10;
  std::uint32_t lastLow = 0;
  for (int i = 0; i < 31; ++i) lastLow = static_cast<std::uint32_t>(Step());
  return lastLow;
}

std::uint64_t Random::Step() {
  const int i = p1_;
  const int j = p2_;
  const std::uint32_t lo = state_[2 * i];
  const std::uint32_t hi = state_[2 * i + 1];
  const std::uint32_t newHigh = std::rotl(lo, 19) + state_[2 * j];
  const std::uint32_t newLow = std::rotl(hi, 27) + state_[2 * j + 1];
  state_[2 * i] = newLow;
  state_[2 * i + 1] = newHigh;
  if (--p1_ < 0) p1_ = 16;
  if (--p2_ < 0) p2_ = 16;
  return (static_cast<std::uint64_t>(newHigh) << 32) | newLow;
}

std::int32_t Random::RandomUpTo(std::int32_t max) {
  if (!seeded_) SeedRandom(static_cast<std::int32_t>(tickCount_ ? tickCount_() : 0u));
  const std::uint64_t r = Step();
  if (max < 0) return INT32_MIN;
  const std::uint64_t n = static_cast<std::uint32_t>(max) + 1u;
  const std::uint64_t t = (r & 0xFFFFFFFFu) * n;
  const std::uint64_t u = (r >> 32) * n + (t >> 32);
  return static_cast<std::int32_t>(u >> 32);
}

}  // namespace vorantis
