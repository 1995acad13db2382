// Enemies: each one thinks, wanders over free fields, colours the floor it steps on
// pink, and is drawn.
#pragma once

namespace vorantis {

struct Game;

void MoveEnemies(Game& game);

}  // namespace vorantis
