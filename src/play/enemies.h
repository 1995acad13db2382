// Enemies: each one thinks, wanders over free fields, colours the floor it steps on
// pink, and is drawn.
#pragma once

#include <cstdint>

namespace vorantis {

struct Game;
struct Enemy;

void MoveEnemies(Game& game);
void ThinkEnemy(Game& game, Enemy& enemy, std::int8_t aiLevel);
void WanderEnemy(Game& game, Enemy& enemy);
void KeepHeading(Game& game, Enemy& enemy);
// direction is +1 or -1.
void StepEnemyX(Game& game, Enemy& enemy, std::int8_t direction);
void StepEnemyY(Game& game, Enemy& enemy, std::int8_t direction);

}  // namespace vorantis
