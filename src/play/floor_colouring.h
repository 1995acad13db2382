// Floor colouring: the player's field turns blue, an enemy's pink; blue and pink
// floor become fixed when a pattern of four fields around them is all of their
// colour, and only fixed blue floor scores.
#pragma once

#include <cstdint>

namespace vorantis {

struct Game;

void PaintPlayerField(Game& game, int column, int row);
void FixBlueFloor(Game& game, int column, int row);
void FixPinkFloor(Game& game, int column, int row);
// x and y are level pixels.
void PaintEnemyField(Game& game, std::int32_t x, std::int32_t y);

}  // namespace vorantis
