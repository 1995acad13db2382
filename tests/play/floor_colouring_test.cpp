#include <gtest/gtest.h>

#include "core/program_end.h"
#include "play/floor_colouring.h"
#include "play/game_frame.h"
#include "play/play_fixture.h"

namespace vorantis::testing {
namespace {

class FloorColouringTest : public PlayTest {
 protected:
  FloorColouringTest() { MakeFloor(9, 9); }
};

TEST_F(FloorColouringTest, PlayerColoursFloorGrassAndPinkBlueButNothingElse) {
  SetField(1, 1, "LAB_GREEN");
  SetField(2, 1, "LAB_PINK_FLOOR");
  SetField(3, 1, "LAB_FIXED_PINK_FLOOR");
  SetField(4, 1, "LAB_WALL", 1);
  for (int c = 0; c <= 4; ++c) PaintPlayerField(game, c, 1);
  EXPECT_EQ(Code(0, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(Code(1, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(Code(2, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(Code(3, 1), "LAB_FIXED_PINK_FLOOR");
  EXPECT_EQ(Code(4, 1), "LAB_WALL");
  EXPECT_EQ(CountSounds(kTileSound), 3);
  PaintPlayerField(game, 0, 1);  // already blue: nothing more
  EXPECT_EQ(CountSounds(kTileSound), 3);
}

TEST_F(FloorColouringTest, LoneBlueSquareFixesExactlyItsUpperTwoFieldsInOnePass) {
  for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) SetField(c, r, "LAB_BLUE_FLOOR");
  game.play.tilesLeft = 10;
  DrawFields(game);
  EXPECT_EQ(Code(4, 4), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(5, 4), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(4, 5), "LAB_BLUE_FLOOR");
  EXPECT_EQ(Code(5, 5), "LAB_BLUE_FLOOR");
  EXPECT_EQ(game.play.tilesLeft, 8);
  EXPECT_EQ(game.play.totalScore, 2 * kFixedValue);
  EXPECT_EQ(CountSounds(kFixedSound), 2);
}

TEST_F(FloorColouringTest, UpperRowPatternFixesTheFieldAndLeavesTheRowAbove) {
  for (int c = 3; c <= 5; ++c) SetField(c, 3, "LAB_BLUE_FLOOR");
  SetField(4, 4, "LAB_BLUE_FLOOR");
  FixBlueFloor(game, 4, 4);
  EXPECT_EQ(Code(4, 4), "LAB_FIXED_FLOOR");
  for (int c = 3; c <= 5; ++c) EXPECT_EQ(Code(c, 3), "LAB_BLUE_FLOOR");
}

TEST_F(FloorColouringTest, PinkNeverScoresAndFixedPinkCannotTurnBlue) {
  for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) SetField(c, r, "LAB_PINK_FLOOR");
  game.play.tilesLeft = 5;
  DrawFields(game);
  EXPECT_EQ(Code(4, 4), "LAB_FIXED_PINK_FLOOR");
  EXPECT_EQ(game.play.totalScore, 0);
  EXPECT_EQ(game.play.tilesLeft, 5);
  EXPECT_EQ(CountSounds(kPinkSound), 2);
  PaintPlayerField(game, 4, 4);
  EXPECT_EQ(Code(4, 4), "LAB_FIXED_PINK_FLOOR");
}

TEST_F(FloorColouringTest, PatternsAtTheGridEdgeNeverCountTheVoidBeyond) {
  SetField(0, 0, "LAB_BLUE_FLOOR");
  SetField(1, 0, "LAB_BLUE_FLOOR");
  FixBlueFloor(game, 0, 0);  // only half of each square lies in the grid
  EXPECT_EQ(Code(0, 0), "LAB_BLUE_FLOOR");
  FixBlueFloor(game, 9, 9);
  EXPECT_EQ(Code(9, 9), "LAB_FLOOR");
}

TEST_F(FloorColouringTest, EnemyColoursFloorGrassAndBluePinkButLeavesFixedFloor) {
  SetField(2, 1, "LAB_BLUE_FLOOR");
  SetField(3, 1, "LAB_FIXED_FLOOR");
  PaintEnemyField(game, 2 * 32, 32);
  PaintEnemyField(game, 3 * 32 - 10, 32 + 10);  // nearest field (3, 1)
  PaintEnemyField(game, 32 + 15, 32);           // nearest field (1, 1)
  EXPECT_EQ(Code(2, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(Code(3, 1), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(1, 1), "LAB_PINK_FLOOR");
  PaintEnemyField(game, -1000, -1000);  // outside the grid: harmless
}

TEST_F(FloorColouringTest, HardcoreTrapsBetweenBlueAndWallButNotAnEdgeWall) {
  game.settings.GAMEMODE = "HARDCORE";
  SetField(5, 4, "LAB_BLUE_FLOOR");
  SetField(3, 4, "LAB_WALL", 1);
  SetField(4, 3, "LAB_BLUE_FLOOR");
  SetField(4, 5, "LAB_WALL_E", 1);
  PaintPlayerField(game, 4, 4);
  EXPECT_EQ(game.matrix.At(4, 4).useCollision, 1);  // the coloured field now blocks
  SetField(4, 5, "LAB_WALL", 1);
  SetField(4, 4, "LAB_FLOOR");
  EXPECT_THROW(PaintPlayerField(game, 4, 4), ProgramEnded);
}

TEST_F(FloorColouringTest, HardcoreIsExactCaseAndSkipsPinkRepaints) {
  game.settings.GAMEMODE = "hardcore";
  PaintPlayerField(game, 4, 4);
  EXPECT_EQ(game.matrix.At(4, 4).useCollision, 0);
  game.settings.GAMEMODE = "HARDCORE";
  SetField(6, 6, "LAB_PINK_FLOOR");
  PaintPlayerField(game, 6, 6);
  EXPECT_EQ(game.matrix.At(6, 6).useCollision, 0);
}

TEST_F(FloorColouringTest, TrappedAtTheGridCornerIsNotTrappedByTheVoid) {
  game.settings.GAMEMODE = "HARDCORE";
  SetField(1, 0, "LAB_WALL", 1);
  SetField(0, 1, "LAB_WALL", 1);
  EXPECT_NO_THROW(PaintPlayerField(game, 0, 0));
}

}  // namespace
}  // namespace vorantis::testing
