#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "level/builders.h"
#include "level/tiles.h"
#include "level_world.h"

namespace vorantis::testing {
namespace {

class BuildersTest : public ::testing::Test {
 protected:
  BuildersTest() { world.PlainLabyrinthTiles(); }
  Game& game() { return *world.game; }
  void Walls(int width, int height) {
    game().level.levelWidth = width;
    game().level.levelHeight = height;
    FillWalls(game(), width, height);
  }
  int CountCode(const std::string& code) {
    int count = 0;
    for (int c = 0; c <= game().level.levelWidth; ++c)
      for (int r = 0; r <= game().level.levelHeight; ++r) count += world.Code(c, r) == code ? 1 : 0;
    return count;
  }
  LevelWorld world;
};

TEST_F(BuildersTest, NegativeSwitchWalksTwelveHundredStepsOnTheStartField) {
  Walls(40, 30);
  game().settings.LABSWITCH = -1;
  game().random.SeedRandom(5);
  RandomWalk(game(), 40, 30, WalkKind::kFloor);
  EXPECT_EQ(CountCode("LAB_FLOOR"), 1);
  EXPECT_EQ(world.Code(1, 1), "LAB_FLOOR");
  // One draw per step and nothing else: the generator is 1200 draws on.
  Random reference;
  reference.SeedRandom(5);
  for (int step = 0; step < 1200; ++step) reference.RandomUpTo(-1);
  EXPECT_EQ(game().random.state(), reference.state());
  EXPECT_EQ(game().cursor.heading, heading::kNone);
  EXPECT_FLOAT_EQ(game().cursor.x, 32);
  EXPECT_FLOAT_EQ(game().cursor.y, 32);
}

TEST_F(BuildersTest, WalksStartNextToTheCornerAndKeepTheBorder) {
  for (int seed = 1; seed <= 12; ++seed) {
    game().play.tilesLeft = 0;
    Walls(40, 30);
    game().random.SeedRandom(seed);
    RandomWalk(game(), 40, 30, WalkKind::kFloor);
    const std::pair<float, float> start{game().cursor.x / 32, game().cursor.y / 32};
    EXPECT_TRUE(start == std::make_pair(1.0f, 1.0f) || start == std::make_pair(2.0f, 1.0f) ||
                start == std::make_pair(1.0f, 2.0f))
        << "seed " << seed;
    RandomWalk(game(), 40, 30, WalkKind::kGrass);
    RandomWalk(game(), 40, 30, WalkKind::kWater);
    for (int c = 0; c <= 40; ++c) {
      for (int r = 0; r <= 30; ++r) {
        const bool border = c == 0 || r == 0 || c >= 39 || r >= 29;
        if (border) {
          EXPECT_EQ(world.Code(c, r), "LAB_WALL") << c << "," << r;
        }
        EXPECT_EQ(world.Field(c, r).inLevel, 1);
      }
    }
  }
  EXPECT_GT(CountCode("LAB_GREEN"), 0);
}

TEST_F(BuildersTest, TinyLevelsDigOnlyTheStartField) {
  Walls(3, 3);
  game().random.SeedRandom(9);
  RandomWalk(game(), 3, 3, WalkKind::kFloor);
  RandomWalk(game(), 3, 3, WalkKind::kGrass);
  EXPECT_EQ(CountCode("LAB_FLOOR"), 1);
  EXPECT_EQ(CountCode("LAB_GREEN"), 0);
  EXPECT_EQ(world.Code(1, 1), "LAB_FLOOR");
}

TEST_F(BuildersTest, FloorWalkSetsTilesAndTimeFromDugFieldsAndGoodies) {
  Walls(10, 10);
  game().settings.LABSWITCH = -1;
  game().play.tilesLeft = 99;  // goodies so far, plus the one field dug below
  RandomWalk(game(), 10, 10, WalkKind::kFloor);
  EXPECT_EQ(game().play.tilesLeft, 25);
  EXPECT_EQ(game().play.timeLeft, 6);

  Walls(10, 10);
  game().play.tilesLeft = 3999;
  RandomWalk(game(), 10, 10, WalkKind::kFloor);
  EXPECT_EQ(game().play.tilesLeft, 1000);
  EXPECT_EQ(game().play.timeLeft, 60);
}

TEST_F(BuildersTest, EdgePassMarksFieldsBesideWallGrassAndWaterInListOrder) {
  Walls(6, 5);
  for (int c = 2; c <= 4; ++c) PlaceTile(game(), c, 2, "LAB_FLOOR");
  PlaceTile(game(), 2, 3, "LAB_FLOOR");
  PlaceTile(game(), 3, 3, "LAB_GREEN");
  PlaceTile(game(), 4, 3, "LAB_FLOOR");
  EdgePass(game());
  EXPECT_EQ(world.Code(2, 2), "LAB_FLOOR");  // off by default
  game().settings.USEEXTENDEDTOPO = 1;
  EdgePass(game());
  EXPECT_EQ(world.Code(2, 2), "LAB_WALL_S");  // west wall first, then north wall
  EXPECT_EQ(world.Code(3, 2), "LAB_WALL_S");
  EXPECT_EQ(world.Code(2, 3), "LAB_WALL_E");
  EXPECT_EQ(world.Code(3, 3), "LAB_GREEN");  // its west neighbour had already become an edge
  EXPECT_EQ(world.Code(4, 3), "LAB_GREEN_E");
  EXPECT_EQ(world.Code(3, 4), "LAB_GREEN_S");
  EXPECT_EQ(world.Code(5, 3), "LAB_WALL");
  EXPECT_EQ(Str(world.Field(4, 3).gfxName), "LAB_GREEN_E.tga");
}

TEST_F(BuildersTest, BuilderBarShowsTheScreenEveryTwoWidthsPlusOneFields) {
  Screen& screen = world.engine->screen();
  game().play.levelNumber = 4;
  const int before = screen.presentedFrames();
  Walls(5, 6);  // 42 fields, a flip every 11
  EXPECT_EQ(screen.presentedFrames() - before, 3);
  EXPECT_EQ(game().builtLevelNumber, 4);
  EXPECT_NEAR(game().level.builderBar.length, 1.0f + 42 * 640.0f / 30, 0.01);
}

TEST_F(BuildersTest, LevelFileBarShowsTheFirstAndEvery501stStep) {
  Screen& screen = world.engine->screen();
  game().level.levelWidth = 0;  // no division by zero: a full bar
  const int before = screen.presentedFrames();
  for (int step = 0; step < 1003; ++step) LevelFileProgressStep(game());
  EXPECT_EQ(screen.presentedFrames() - before, 3);
  EXPECT_FLOAT_EQ(game().level.fileBar.length, 640);
}

}  // namespace
}  // namespace vorantis::testing
