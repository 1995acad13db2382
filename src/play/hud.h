// What the player reads and the clock that ends the game: the heads-up display, the
// countdown, the "MAP" caption that opens a level and the game-over screen.
#pragma once

#include <cstdint>

namespace vorantis {

struct Game;

// Counts frames and steps the countdown once every WORLDREFRESH + 1 of them.
void StepTimer(Game& game, std::int8_t direction);
void ChangeTime(Game& game, std::int8_t direction);
void DrawHud(Game& game);
void ShowLevelIntro(Game& game);
// Plays the game-over animation, then ends the program.
[[noreturn]] void ShowGameOver(Game& game);

}  // namespace vorantis
