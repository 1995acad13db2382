// The quit and pause dialogs: loops of their own over the standing game picture,
// answered with the B action or the X action.
#pragma once

namespace vorantis {

struct Game;

// B ends the game (game over at the end of the next frame); X returns to play.
void RunQuitDialog(Game& game);

// B restarts the level with the score it started with; X returns to play.
void RunPauseDialog(Game& game);

}  // namespace vorantis
