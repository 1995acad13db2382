#include "controls/bomb.h"

#include <cstdint>
#include <limits>

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

// A 7 x 7 level area (columns and rows 0..6) of fixed floor, with a tile definition
// for the code the bomb writes.
class BombTest : public ControlsTest {
 protected:
  BombTest() {
    scratch.Write("SET/LAB_FLOOR", Lines({"GFXNAME", "floor.png", "USECOLLISION", "0", "VALUE1", "3"}));
    MakeFloor(6, 6, "LAB_FIXED_FLOOR");
    PlaceCursor(3, 3);
    game.play.bombs = "&&";
    game.play.tilesLeft = 5;
  }
  // The level area row by row: '.' floor, 'b' blue floor, '#' anything else.
  std::string Picture() {
    std::string out;
    for (int row = 0; row <= 6; ++row, out += '/')
      for (int column = 0; column <= 6; ++column) {
        const std::string code = Str(game.level.matrix.At(column, row).tileCode);
        out += code == "LAB_FLOOR" ? '.' : code == "LAB_BLUE_FLOOR" ? 'b' : '#';
      }
    return out;
  }
};

TEST_F(BombTest, RaysClearFixedFloorUpToCollisionTwoAndShortOfTheOutermostFields) {
  SetField(3, 1, "LAB_FIXED_FLOOR", 2);
  SetField(2, 3, "LAB_FIXED_PINK_FLOOR", 1);
  SetField(3, 4, "LAB_BLUE_FLOOR", 0);
  UseBomb(game);
  // The up ray stops before collision 2, the left one crosses collision 1 and clears fixed pink
  // floor, the down one leaves blue floor and goes on; none reaches the outermost fields.
  EXPECT_EQ(Picture(), "#######/#######/###.###/#.....#/###b###/###.###/#######/");
  EXPECT_EQ(game.play.tilesLeft, 5 + 7) << "seven distinct fields, the cursor's counted once";
  EXPECT_EQ(game.level.matrix.At(4, 3).value1, 3) << "the floor's definition was read again";
  EXPECT_EQ(game.play.bombs, "&");

  // Tiles given back stop at the top of the range.
  MakeFloor(6, 6, "LAB_FIXED_FLOOR");
  game.play.tilesLeft = std::numeric_limits<std::int32_t>::max() - 2;
  UseBomb(game);
  EXPECT_EQ(game.play.tilesLeft, std::numeric_limits<std::int32_t>::max());
}

TEST_F(BombTest, NoFieldToBlastUsesTheBombAndAnEmptyStockDoesNothing) {
  SetField(3, 3, "LAB_FIXED_FLOOR", 2);  // the cursor's own field stops every ray
  UseBomb(game);
  SetField(3, 3, "LAB_FIXED_FLOOR", 0);
  game.play.cursor.x = -10 * kTile;  // outside the Matrix
  UseBomb(game);
  EXPECT_EQ(game.play.bombs, "");
  game.play.cursor.x = 3 * kTile;
  UseBomb(game);  // nothing left in stock
  EXPECT_EQ(Picture(), "#######/#######/#######/#######/#######/#######/#######/");
  EXPECT_EQ(game.play.tilesLeft, 5);
}

}  // namespace
}  // namespace vorantis::testing
