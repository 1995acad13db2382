// The one pseudo-random generator behind every random choice of the game. Its exact
// sequence is part of the game: seeded levels must come out the same everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace vorantis {

class Random {
 public:
  // Where the first draw takes its seed when nothing seeded the generator before.
  explicit Random(std::function<std::uint32_t()> tickCount = nullptr) : tickCount_(std::move(tickCount)) {}

  // Answers the low word of the last warm-up step.
  std::uint32_t SeedRandom(std::int32_t seed);
  // A number from 0 to max inclusive; -2147483648 for a negative max. Always advances.
  std::int32_t RandomUpTo(std::int32_t max);

  const std::array<std::uint32_t, 34>& state() const { return state_; }

 private:
  std::uint64_t Step();

  std::function<std::uint32_t()> tickCount_;
  std::array<std::uint32_t, 34> state_{};
  int p1_ = 0;
  int p2_ = 0;
  bool seeded_ = false;
};

}  // namespace vorantis
