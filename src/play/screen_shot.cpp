#include "play/screen_shot.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"

namespace vorantis {

void GrabScreenShot(Game& game) {
  Screen& screen = game.engine.screen();
  PlayState& play = game.play;
  const float zoom = game.settings.FULLSCREENZOOM;
  const int width = NearestInt(game.screenWidth * zoom - 1);
  const int height = NearestInt(game.screenHeight * zoom - 1);
  const int spriteNumber = screen.SpriteExists(play.screenShot) ? play.screenShot : -1;
  const int grabbed = screen.GrabScreenSprite(spriteNumber, 1, 1, width, height, kModeTexture);
  if (grabbed == 0) {
    FreeScreenShot(game);
    return;
  }
  play.screenShot = grabbed;
  const int quadNumber = screen.Sprite3DExists(play.screenShot3D) ? play.screenShot3D : -1;
  play.screenShot3D = screen.MakeSprite3D(quadNumber, play.screenShot);
}

void FreeScreenShot(Game& game) {
  Screen& screen = game.engine.screen();
  PlayState& play = game.play;
  if (screen.Sprite3DExists(play.screenShot3D)) screen.ReleaseSprite3D(play.screenShot3D);
  if (screen.SpriteExists(play.screenShot)) screen.ReleaseSprite(play.screenShot);
  play.screenShot3D = 0;
  play.screenShot = 0;
}

}  // namespace vorantis
