#include "play/level_intro.h"

#include <string>

#include "core/game.h"
#include "play/screen_shot.h"

namespace vorantis {

void ShowLevelIntro(Game& game) {
  if (game.play.levelIntroPending != 1) return;
  ShowCaptionOverScreenShot(game, "  MAP " + std::to_string(game.play.levelNumber) + "| ", 0.4f, 6, 0.01f);
  game.play.levelIntroPending = 0;
  FreeScreenShot(game);
}

}  // namespace vorantis
