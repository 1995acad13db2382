// The game-over screen: the last picture of play with its caption growing over it.
#pragma once

namespace vorantis {

struct Game;

// Plays the game-over animation, then ends the program.
[[noreturn]] void ShowGameOver(Game& game);

}  // namespace vorantis
