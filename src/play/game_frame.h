// One frame of play: draw and act, complete the level, count down, present.
#pragma once

#include <cstdint>

namespace vorantis {

struct Game;

void RunGameFrame(Game& game);
// The fields in view, each put through the floor-completion tests, then drawn.
void DrawFields(Game& game);
void MoveEffectSprites(Game& game, std::int32_t additive);
void ZoomScreen(Game& game, std::int8_t smooth);

}  // namespace vorantis
