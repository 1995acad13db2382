#include "controls/bomb.h"

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

// A 7 x 7 level area (columns and rows 0..6) of fixed floor, with tile definition
// files for the codes the bomb writes and the walls it meets.
class BombTest : public ControlsTest {
 protected:
  BombTest() {
    folder.Write("T/LAB_FLOOR", Lines({"GFXNAME", "floor.png", "USECOLLISION", "0", "VALUE1", "3"}));
    game.settings.RGBCODEPATH = folder.GamePath();
    game.settings.APPSTART = "T";
    MakeFloor(6, 6);
    for (int c = 0; c <= 6; ++c)
      for (int r = 0; r <= 6; ++r) SetField(c, r, "LAB_FIXED_FLOOR", 0);
    PlaceCursorOnScreenField(3, 3);
    game.play.bombs = "&&";
    game.play.tilesLeft = 5;
  }
  std::string Code(int column, int row) { return Str(game.matrix.At(column, row).tileCode); }

  ScratchFolder folder;
};

TEST_F(BombTest, RaysClearFixedFloorButNeverTheOutermostColumnAndRow) {
  UseBomb(game);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Code(i, 3), "LAB_FLOOR") << "column " << i;
    EXPECT_EQ(Code(3, i), "LAB_FLOOR") << "row " << i;
  }
  EXPECT_EQ(Code(0, 3), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(6, 3), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(3, 0), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(3, 6), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(2, 2), "LAB_FIXED_FLOOR") << "off the rays";
  EXPECT_EQ(game.play.tilesLeft, 5 + 9) << "nine distinct fields, the cursor's counted once";
  EXPECT_EQ(game.matrix.At(4, 3).value1, 3) << "the floor's definition was read again";
  EXPECT_EQ(game.play.bombs, "&");
}

TEST_F(BombTest, RaysStopBeforeCollisionTwoAndCrossOtherBlockers) {
  SetField(5, 3, "LAB_FIXED_FLOOR", 2);
  SetField(2, 3, "LAB_FIXED_PINK_FLOOR", 1);
  SetField(3, 4, "LAB_BLUE_FLOOR", 0);
  UseBomb(game);
  EXPECT_EQ(Code(4, 3), "LAB_FLOOR");
  EXPECT_EQ(Code(5, 3), "LAB_FIXED_FLOOR") << "the ray stops before it";
  EXPECT_EQ(Code(2, 3), "LAB_FLOOR") << "collision 1 is crossed and fixed pink cleared";
  EXPECT_EQ(Code(1, 3), "LAB_FLOOR");
  EXPECT_EQ(Code(3, 4), "LAB_BLUE_FLOOR") << "only fixed floor is cleared";
  EXPECT_EQ(Code(3, 5), "LAB_FLOOR") << "and the ray goes on past it";
}

TEST_F(BombTest, ACursorOnACollisionTwoFieldBlastsNothing) {
  SetField(3, 3, "LAB_FIXED_FLOOR", 2);
  UseBomb(game);
  EXPECT_EQ(Code(3, 3), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(4, 3), "LAB_FIXED_FLOOR");
  EXPECT_EQ(game.play.tilesLeft, 5);
  EXPECT_EQ(game.play.bombs, "&") << "the bomb is used all the same";
}

TEST_F(BombTest, AnEmptyStockChangesNothing) {
  game.play.bombs.clear();
  UseBomb(game);
  EXPECT_EQ(Code(3, 3), "LAB_FIXED_FLOOR");
  EXPECT_EQ(game.play.tilesLeft, 5);
}

TEST_F(BombTest, ACursorOutsideTheMatrixUsesTheBombHarmlessly) {
  game.cursor.x = -10 * kTile;
  UseBomb(game);
  EXPECT_EQ(game.play.bombs, "&");
  EXPECT_EQ(game.play.tilesLeft, 5);
}

TEST_F(BombTest, TheBlastFollowsTheViewOrigin) {
  game.play.originColumn = 1;
  game.play.originRow = 2;
  PlaceCursorOnScreenField(0, 0);  // field (1, 2)
  UseBomb(game);
  EXPECT_EQ(Code(1, 2), "LAB_FLOOR");
  EXPECT_EQ(Code(5, 2), "LAB_FLOOR");
  EXPECT_EQ(Code(1, 5), "LAB_FLOOR");
  EXPECT_EQ(Code(3, 3), "LAB_FIXED_FLOOR");
}

}  // namespace
}  // namespace vorantis::testing
