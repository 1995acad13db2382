// Placeholder until the game frame lands.
#include "core/game.h"
#include "engine/engine.h"
#include "play/game_frame.h"

namespace vorantis {
void RunGameFrame(Game& game) {
  game.engine.screen().BeginSprite3DPass();
  game.engine.screen().EndSprite3DPass();
  game.engine.screen().PresentFrame();
}
void DrawPlayfield(Game&) {}
void MoveEffectSprites(Game&, std::int32_t) {}
void CompleteLevel(Game&) {}
void ZoomScreen(Game&, std::int8_t) {}
}  // namespace vorantis
