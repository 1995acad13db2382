#include "play/enemies.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"
#include "play/floor_colouring.h"
#include "present/catalogues.h"

namespace vorantis {

namespace {

// A chance of 1 in n + 1: one draw from 0 to n that acts on 0.
bool Chance(Game& game, std::int32_t n) {
  return game.random.RandomUpTo(n) == 0;
}

// Fields outside the grid block like walls.
bool FieldIsFree(const Game& game, int column, int row) {
  const MatrixField* field = game.level.matrix.Find(column, row);
  return field && field->useCollision == 0;
}

struct EnemyField {
  int column;
  int row;
};
// The field nearest to the enemy's top-left corner.
EnemyField NearestField(const Game& game, const Enemy& enemy) {
  const float tile = game.tileSize();
  return {NearestInt(static_cast<float>(enemy.x) / tile), NearestInt(static_cast<float>(enemy.y) / tile)};
}

bool StandsStill(std::int8_t aiLevel) {
  return aiLevel == 2 || aiLevel == 3 || aiLevel == 4;
}

std::int32_t Stepped(const Game& game, std::int32_t position, std::int8_t direction, std::int32_t velocity) {
  return NearestInt(static_cast<float>(position) +
                    static_cast<float>(direction) * game.tileSize() / static_cast<float>(velocity));
}

// direction is +1 or -1.
void StepEnemyX(Game& game, Enemy& enemy, std::int8_t direction) {
  if (enemy.motion.veloX == 0) return;
  enemy.x = Stepped(game, enemy.x, direction, enemy.motion.veloX);
  PaintEnemyField(game, enemy.x, enemy.y);
  PlaySoundByName(game, game.settings.DEFTILESOUND);
}

void StepEnemyY(Game& game, Enemy& enemy, std::int8_t direction) {
  if (enemy.motion.veloY == 0) return;
  enemy.y = Stepped(game, enemy.y, direction, enemy.motion.veloY);
  PaintEnemyField(game, enemy.x, enemy.y);
  PlaySoundByName(game, game.settings.DEFTILESOUND);
}

void KeepHeading(Game& game, Enemy& enemy) {
  const EnemyField at = NearestField(game, enemy);
  if (!Chance(game, enemy.motion.randomMove)) return;
  switch (enemy.heading) {
    case heading::kRight:
      if (FieldIsFree(game, at.column + 1, at.row)) StepEnemyX(game, enemy, 1);
      break;
    case heading::kLeft:
      if (FieldIsFree(game, at.column - 1, at.row)) StepEnemyX(game, enemy, -1);
      break;
    case heading::kDown:
      if (FieldIsFree(game, at.column, at.row + 1)) StepEnemyY(game, enemy, 1);
      break;
    case heading::kUp:
      if (FieldIsFree(game, at.column, at.row - 1)) StepEnemyY(game, enemy, -1);
      break;
    default:
      break;
  }
}

void WanderEnemy(Game& game, Enemy& enemy) {
  if (!Chance(game, enemy.motion.changeDirection)) {
    KeepHeading(game, enemy);
    return;
  }
  const EnemyField at = NearestField(game, enemy);
  if (Chance(game, enemy.motion.randomMove) && FieldIsFree(game, at.column + 1, at.row)) {
    StepEnemyX(game, enemy, 1);
    enemy.heading = heading::kRight;
  } else if (Chance(game, enemy.motion.randomMove) && FieldIsFree(game, at.column - 1, at.row)) {
    StepEnemyX(game, enemy, -1);
    enemy.heading = heading::kLeft;
  } else if (Chance(game, enemy.motion.randomMove) && FieldIsFree(game, at.column, at.row + 1)) {
    StepEnemyY(game, enemy, 1);
    enemy.heading = heading::kDown;
  } else if (Chance(game, enemy.motion.randomMove) && FieldIsFree(game, at.column, at.row - 1)) {
    StepEnemyY(game, enemy, -1);
    enemy.heading = heading::kUp;
  }
}

void ThinkEnemy(Game& game, Enemy& enemy, std::int8_t aiLevel) {
  if (enemy.motion.dMove <= -1) return;
  if (!Chance(game, enemy.motion.dMove)) return;
  if (StandsStill(aiLevel)) return;
  WanderEnemy(game, enemy);
}

}  // namespace

void MoveEnemies(Game& game) {
  Screen& screen = game.engine.screen();
  const float viewX = game.play.originColumn * game.tileSize();
  const float viewY = game.play.originRow * game.tileSize();
  for (Enemy& enemy : game.level.enemies) {
    if (enemy.motion.rotate != 0) screen.TurnSprite3D(enemy.sprite3D, enemy.motion.rotate, 1);
    ThinkEnemy(game, enemy, enemy.motion.aiLevel);
    if (enemy.traits.blendSource > 0 || enemy.traits.blendDest > 0) {
      screen.SetSprite3DBlend(enemy.traits.blendSource, enemy.traits.blendDest);
    } else {
      screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
    }
    screen.DrawSprite3D(enemy.sprite3D, NearestInt(static_cast<float>(enemy.x) + enemy.offsetX - viewX),
                        NearestInt(static_cast<float>(enemy.y) + enemy.offsetY - viewY), enemy.traits.alpha);
    screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
  }
}

}  // namespace vorantis
