#include <gtest/gtest.h>

#include "play/actors.h"
#include "play/enemies.h"
#include "play/play_fixture.h"

namespace vorantis::testing {
namespace {

class ActorsTest : public PlayTest {
 protected:
  // Row 2 is blue already, so standing there places no tile (which would respawn the
  // field's objects) and pickups stay put unless taken.
  ActorsTest() {
    MakeFloor(9, 9);
    for (int c = 0; c <= 9; ++c) SetField(c, 2, "LAB_BLUE_FLOOR");
    // Objects count only on fields that have a graphic.
    const int floorQuad = MakeQuad(32, 32);
    for (int c = 0; c <= 9; ++c)
      for (int r = 0; r <= 9; ++r) game.matrix.At(c, r).sprite3D = floorQuad;
  }

  // Puts an object into slot `slot` of field (column, row) and answers its position.
  int PutObject(int column, int row, int slot, FieldObject object, const std::string& name = "GOODY") {
    MatrixField& field = game.matrix.At(column, row);
    const int id = static_cast<int>(game.fieldObjects.size());
    game.fieldObjects.push_back(std::move(object));
    field.childIds[static_cast<std::size_t>(slot)] = id;
    field.childNames[static_cast<std::size_t>(slot)] = game.texts.Intern(name);
    if (field.lastSpawnedSlot < slot) field.lastSpawnedSlot = slot;
    return id;
  }
  static FieldObject Pickup(int score, int kill, int countToScore = 0, int extraTime = 0) {
    FieldObject object;
    object.collision = 1;
    object.killOnCollision = static_cast<std::int8_t>(kill);
    object.score = score;
    object.countToScore = static_cast<std::int8_t>(countToScore);
    object.extraTime = extraTime;
    return object;
  }
  // One object pass and one player step with the cursor on field (column, row).
  void StandOn(int column, int row) {
    game.cursor.x = static_cast<float>(column) * kTile + 3;
    game.cursor.y = static_cast<float>(row) * kTile + 3;
    DrawFieldObjects(game);
    StepPlayer(game);
  }
  Enemy Wanderer(int column, int row) {
    Enemy enemy;
    enemy.x = column * static_cast<int>(kTile);
    enemy.y = row * static_cast<int>(kTile);
    enemy.veloX = 1;
    enemy.veloY = 1;
    enemy.alpha = 255;
    return enemy;
  }
};

TEST_F(ActorsTest, KilledPickupIsCollectedOnce) {
  PutObject(2, 2, 0, Pickup(10, 1));
  StandOn(2, 2);
  StandOn(2, 2);
  EXPECT_EQ(game.play.totalScore, 10);
  EXPECT_EQ(game.matrix.At(2, 2).childIds[0], -1);
}

TEST_F(ActorsTest, PlayerCollectsBeforeColouringItsField) {
  PutObject(2, 4, 0, Pickup(10, 1));
  StandOn(2, 4);
  EXPECT_EQ(game.play.totalScore, 10);
  EXPECT_EQ(Code(2, 4), "LAB_BLUE_FLOOR");
}

TEST_F(ActorsTest, BombWithFullStockStaysAndScoresEveryFrame) {
  game.play.bombs = "&&&";
  PutObject(2, 2, 0, Pickup(10, 1), "BOMB");
  for (int frame = 0; frame < 3; ++frame) StandOn(2, 2);
  EXPECT_EQ(game.play.totalScore, 30);
  EXPECT_EQ(game.play.bombs, "&&&");
  EXPECT_NE(game.matrix.At(2, 2).childIds[0], -1);
}

TEST_F(ActorsTest, BombIsTakenWhileTheStockHasRoom) {
  PutObject(2, 2, 0, Pickup(0, 1), "BOMB");
  StandOn(2, 2);
  EXPECT_EQ(game.play.bombs, "&&");
  EXPECT_EQ(game.matrix.At(2, 2).childIds[0], -1);
}

TEST_F(ActorsTest, ExtraTimeWithoutKillIsAddedOnEveryFrame) {
  PutObject(2, 2, 0, Pickup(0, 0, 0, 2));
  for (int frame = 0; frame < 3; ++frame) StandOn(2, 2);
  EXPECT_EQ(game.play.timeLeft, 6);
}

TEST_F(ActorsTest, CountToScorePickupsRaiseOnlyTheTarget) {
  game.play.totalScore = 100;
  for (int c = 1; c <= 3; ++c) PutObject(c, 2, 0, Pickup(50, 1, 1));
  StandOn(1, 2);
  EXPECT_EQ(game.play.countTarget, 50);
  StandOn(2, 2);
  EXPECT_EQ(game.play.countTarget, 100);
  EXPECT_EQ(game.play.totalScore, 100);
  StandOn(3, 2);
  EXPECT_EQ(game.play.countTarget, 150);
  EXPECT_EQ(game.play.totalScore, 100);  // the display counts it up (HUD)
}

TEST_F(ActorsTest, CollisionDecidesPickupAndIsPlayerOnlyHidesTheDrawing) {
  FieldObject shown = Pickup(5, 1);
  shown.collision = 0;
  shown.show = 1;
  shown.alpha = 128;
  shown.sprite3D = MakeQuad(8, 8);
  FieldObject hidden = Pickup(7, 1);
  hidden.show = 1;
  hidden.isPlayer = 1;
  hidden.sprite3D = MakeQuad(9, 9);
  PutObject(2, 2, 0, shown);
  PutObject(2, 2, 1, hidden);
  tg.recorder()->ClearLog();
  DrawFieldObjects(game);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_EQ(quads[0].opacity, 128);
  EXPECT_EQ(quads[0].corners[0].x, 64.0f);
  game.cursor.x = 64;
  game.cursor.y = 64;
  StepPlayer(game);
  EXPECT_EQ(game.play.totalScore, 7);
}

TEST_F(ActorsTest, ObjectsOnAFieldWithoutGraphicAreNeitherMarkedNorCollected) {
  PutObject(2, 2, 0, Pickup(10, 1));
  game.matrix.At(2, 2).sprite3D = 0;
  StandOn(2, 2);
  EXPECT_EQ(game.matrix.At(2, 2).objectCollision, 0);
  EXPECT_EQ(game.play.totalScore, 0);
}

TEST_F(ActorsTest, CountSoundPlaysOnEveryTouch) {
  FieldObject object = Pickup(0, 0);
  object.useCountSound = 1;
  object.countSound = "count.ogg";
  PutObject(2, 2, 0, object);
  StandOn(2, 2);
  StandOn(2, 2);
  EXPECT_EQ(CountSounds("count.ogg"), 2);
}

TEST_F(ActorsTest, SlotNamingAMissingObjectIsSkipped) {
  PutObject(2, 2, 0, Pickup(10, 1));
  game.matrix.At(2, 2).childIds[0] = 42;
  game.matrix.At(2, 2).objectCollision = 1;
  CollectFieldObjects(game, 2, 2);
  EXPECT_EQ(game.play.totalScore, 0);
}

TEST_F(ActorsTest, RestlessEnemyRunsRightThenShufflesInFrontOfTheWall) {
  SetField(4, 1, "LAB_WALL", 1);
  Enemy enemy = Wanderer(1, 1);
  game.enemies.push_back(enemy);
  std::vector<int> columns;
  for (int frame = 0; frame < 6; ++frame) {
    MoveEnemies(game);
    columns.push_back(game.enemies[0].x / static_cast<int>(kTile));
  }
  EXPECT_EQ(columns, (std::vector<int>{2, 3, 2, 3, 2, 3}));
  EXPECT_EQ(Code(2, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(Code(3, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(CountSounds(kTileSound), 6);
}

TEST_F(ActorsTest, EnemiesNeverStepOutOfTheGrid) {
  game.enemies.push_back(Wanderer(9, 9));
  game.enemies[0].dMove = 0;
  for (int frame = 0; frame < 4; ++frame) MoveEnemies(game);
  EXPECT_LE(game.enemies[0].x, 9 * static_cast<int>(kTile));
  EXPECT_LE(game.enemies[0].y, 9 * static_cast<int>(kTile));
}

TEST_F(ActorsTest, StandingEnemySpinsAndIsDrawnButNeverMoves) {
  Enemy enemy = Wanderer(3, 3);
  enemy.aiLevel = 3;
  enemy.rotate = 5;
  enemy.sprite3D = MakeQuad(16, 16);
  game.enemies.push_back(enemy);
  game.play.originColumn = 1;
  tg.recorder()->ClearLog();
  for (int frame = 0; frame < 4; ++frame) MoveEnemies(game);
  EXPECT_EQ(game.enemies[0].x, 96);
  EXPECT_EQ(tg.engine->screen().Sprite3DAngle(enemy.sprite3D), 20);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 4u);
  EXPECT_GT(quads[0].corners[0].x, 32.0f);  // drawn relative to the view, turned about its centre
  EXPECT_LT(quads[0].corners[0].x, 96.0f);
}

TEST_F(ActorsTest, VelocityZeroStandsStillButTheHeadingStillChanges) {
  Enemy enemy = Wanderer(3, 3);
  enemy.veloX = 0;
  game.enemies.push_back(enemy);
  MoveEnemies(game);
  EXPECT_EQ(game.enemies[0].x, 96);
  EXPECT_EQ(game.enemies[0].heading, heading::kRight);
}

TEST_F(ActorsTest, NegativeMoveOddsNeverDrawARandomNumber) {
  Enemy enemy = Wanderer(3, 3);
  enemy.dMove = -1;
  game.enemies.push_back(enemy);
  game.random.SeedRandom(3);
  const auto before = game.random.state();
  MoveEnemies(game);
  EXPECT_EQ(game.random.state(), before);
}

}  // namespace
}  // namespace vorantis::testing
