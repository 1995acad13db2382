// The countdown of a level's time, which ends the game when it runs out.
#pragma once

#include <cstdint>

namespace vorantis {

struct Game;

// Counts frames and steps the countdown once every WORLDREFRESH + 1 of them.
void StepTimer(Game& game, std::int8_t direction);
// One step of the countdown (direction 1 or -1), ticking over its last ten; below 0 the game is over.
void ChangeTime(Game& game, std::int8_t direction);

}  // namespace vorantis
