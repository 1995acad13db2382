#include "controls/cursor_step.h"

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

// The screen is 800 x 600: its middle is x 400, y 300; fields are 32 pixels.
using CursorStepTest = ControlsTest;

TEST_F(CursorStepTest, BlockingFieldsStopTheStepSilentlyAndOpenStepsSound) {
  PlaceCursor(3, 3);
  SetField(4, 3, "LAB_BUSH", 1);
  SetField(3, 2, "LAB_ROCK", 2);
  StepCursor(game, control::kRight);
  StepCursor(game, control::kUp);
  EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y), std::make_pair(3 * kTile, 3 * kTile));
  EXPECT_TRUE(observer.sounds.empty());

  // At origin 0 a left step sets the origin to 1 and moves the cursor: it stays on field
  // (3, 3), the picture shifts, and the bush still blocks.
  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.play.originColumn, 1);
  EXPECT_EQ(game.play.cursor.x, 2 * kTile);
  StepCursor(game, control::kRight);
  EXPECT_EQ(game.play.cursor.x, 2 * kTile);
  game.play.cursor.x = 400;
  StepCursor(game, control::kRight);  // scrolls instead, and sounds all the same
  EXPECT_EQ(game.play.originColumn, 2);
  EXPECT_EQ(observer.sounds, (std::vector<std::string>{"tile.ogg", "tile.ogg"}));
}

TEST_F(CursorStepTest, FieldsOutsideTheMatrixAndTileSizesOfZeroBlockAndLargeTilesStepWhole) {
  StepCursor(game, control::kLeft);
  StepCursor(game, control::kUp);
  EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y), std::make_pair(0.f, 0.f));
  EXPECT_EQ(std::make_pair(game.play.originColumn, game.play.originRow), std::make_pair(0.f, 0.f));
  // A tile size that shows no field blocks every step (TilesTest holds which sizes those are).
  game.settings.RESOLUTION = 0.7f;
  StepCursor(game, control::kRight);
  StepCursor(game, control::kDown);
  EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y), std::make_pair(0.f, 0.f));
  game.settings.RESOLUTION = 160;  // above 127, where an 8-bit step broke
  StepCursor(game, control::kRight);
  StepCursor(game, control::kDown);
  EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y), std::make_pair(160.f, 160.f));
}

TEST_F(CursorStepTest, ScrollingAtTheMiddleOfTheScreen) {
  game.play.cursor.x = 384;  // 384 + 32 passes 400
  game.play.cursor.y = 256;  // 256 + 32 stays at or before 300
  StepCursor(game, control::kRight);
  EXPECT_EQ(game.play.cursor.x, 384);
  EXPECT_EQ(game.play.originColumn, 1);
  StepCursor(game, control::kDown);
  StepCursor(game, control::kDown);
  EXPECT_EQ(game.play.cursor.y, 288);
  EXPECT_EQ(game.play.originRow, 1);

  // Up and left at origin 1 keep the origin at 1 and move the cursor.
  StepCursor(game, control::kUp);
  StepCursor(game, control::kLeft);
  EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y), std::make_pair(352.f, 256.f));
  EXPECT_EQ(std::make_pair(game.play.originColumn, game.play.originRow), std::make_pair(1.f, 1.f));

  // The middle counts as the right half for left steps, but not as the lower half for up steps.
  game.play.originColumn = game.play.originRow = 4;
  game.play.cursor.x = 400;
  game.play.cursor.y = 300;
  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.play.cursor.x, 368);
  EXPECT_EQ(game.play.originColumn, 4);
  StepCursor(game, control::kUp);
  EXPECT_EQ(game.play.cursor.y, 300);
  EXPECT_EQ(game.play.originRow, 3);
}

}  // namespace
}  // namespace vorantis::testing
