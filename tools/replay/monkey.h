// Monkey input for soak runs: seeded random presses and releases in place of an input
// script. It draws from a generator of its own, so the game's random sequence stays
// exactly what the data makes it.
#pragma once

#include <cstdint>
#include <vector>

#include "input_script.h"

namespace vorantis {
class ScriptedInput;
}

namespace vorantis::replay {

// splitmix64: small, fast and the same on every platform.
class MonkeyRandom {
 public:
  explicit MonkeyRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // A draw from 0 .. bound - 1 (bound > 0).
  std::uint32_t Below(std::uint32_t bound);

 private:
  std::uint64_t state_;
};

class Monkey {
 public:
  // `gamepad`: the pad is attached, so the monkey plays the pad's controls and not the keyboard's.
  Monkey(std::uint64_t seed, bool gamepad);

  // The presses and releases of one pass, applied to the input the game reads.
  void Apply(std::int64_t pass, ScriptedInput& input);

  // A new game's input starts with nothing held.
  void StartGame();

  struct Control {
    const char* name;
    int weight;       // chance of being picked, relative to the others
    int longestHold;  // passes
  };

 private:
  struct Held {
    std::size_t control;
    std::int64_t releaseAt;
  };

  void Set(const Control& control, bool held, ScriptedInput& input);

  MonkeyRandom random_;
  const std::vector<Control>& controls_;
  int totalWeight_ = 0;
  std::vector<Held> held_;
  StickState stick_;
};

// The controls a monkey plays: the keyboard's without a pad, the pad's with one.
const std::vector<Monkey::Control>& MonkeyControls(bool gamepad);

}  // namespace vorantis::replay
