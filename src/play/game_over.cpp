#include "play/game_over.h"

#include "core/game.h"
#include "core/program_end.h"
#include "play/screen_shot.h"

namespace vorantis {

void ShowGameOver(Game& game) {
  ShowCaptionOverScreenShot(game, "  GAME OVER |", 0.3f, 4, 0.005f);
  EndProgram(game);
}

}  // namespace vorantis
