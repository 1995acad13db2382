#include "controls/cursor_step.h"

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

// The screen is 800 x 600: its middle is x 400, y 300; fields are 32 pixels.
class CursorStepTest : public ControlsTest {
 protected:
  int SoundsPlayed() const { return static_cast<int>(observer.sounds.size()); }
};

TEST_F(CursorStepTest, ABlockingFieldStopsTheStepWithoutASound) {
  PlaceCursorOnScreenField(3, 3);
  SetField(4, 3, "LAB_BUSH", 1);
  SetField(3, 2, "LAB_ROCK", 2);
  StepCursor(game, control::kRight);
  StepCursor(game, control::kUp);
  EXPECT_EQ(game.cursor.x, 3 * kTile);
  EXPECT_EQ(game.cursor.y, 3 * kTile);
  EXPECT_EQ(game.cursor.heading, heading::kNone);
  EXPECT_EQ(SoundsPlayed(), 0);

  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.cursor.x, 2 * kTile);
  EXPECT_EQ(game.cursor.heading, heading::kNone) << "the heading lasts only for the step";
}

TEST_F(CursorStepTest, TheTargetFollowsTheCursorAfterEachStep) {
  game.play.originColumn = 1;
  game.play.originRow = 1;
  PlaceCursorOnScreenField(1, 2);  // field (2, 3)
  SetField(3, 2, "LAB_WALL", 1);
  StepCursor(game, control::kUp);
  StepCursor(game, control::kRight);
  EXPECT_EQ(game.cursor.x, 1 * kTile) << "the wall beside the new field blocks";
  StepCursor(game, control::kDown);
  StepCursor(game, control::kRight);
  const FieldPosition at = CursorField(game);
  EXPECT_EQ(at.column, 3);
  EXPECT_EQ(at.row, 3);
}

TEST_F(CursorStepTest, FieldsOutsideTheMatrixBlock) {
  PlaceCursorOnScreenField(0, 0);
  StepCursor(game, control::kLeft);
  StepCursor(game, control::kUp);
  EXPECT_EQ(game.cursor.x, 0);
  EXPECT_EQ(game.play.originColumn, 0);
  EXPECT_EQ(game.play.originRow, 0);

  MakeFloor(2, 2);
  PlaceCursorOnScreenField(2, 2);
  StepCursor(game, control::kRight);
  StepCursor(game, control::kDown);
  EXPECT_EQ(game.cursor.x, 2 * kTile);
  EXPECT_EQ(game.cursor.y, 2 * kTile);
}

TEST_F(CursorStepTest, EveryOpenStepPlaysTheTileSoundAlsoWhenItScrolls) {
  PlaceCursorOnScreenField(3, 3);
  StepCursor(game, control::kDown);
  game.cursor.x = 400;
  StepCursor(game, control::kRight);
  EXPECT_EQ(game.play.originColumn, 1);
  EXPECT_EQ(observer.sounds, (std::vector<std::string>{"step.ogg", "step.ogg"}));
}

TEST_F(CursorStepTest, TileSizesAbove127StepByTheWholeTile) {
  game.settings.RESOLUTION = 160;
  game.cursor.x = 0;
  game.cursor.y = 0;
  StepCursor(game, control::kRight);
  StepCursor(game, control::kDown);
  EXPECT_EQ(game.cursor.x, 160);
  EXPECT_EQ(game.cursor.y, 160);
  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.cursor.x, 0);
  EXPECT_EQ(game.play.originColumn, 1) << "left of the middle the view scrolls";
}

TEST_F(CursorStepTest, RightAndDownScrollOncePastTheMiddle) {
  game.cursor.x = 384;  // 384 + 32 passes 400
  game.cursor.y = 256;  // 256 + 32 stays at or before 300
  StepCursor(game, control::kRight);
  EXPECT_EQ(game.cursor.x, 384);
  EXPECT_EQ(game.play.originColumn, 1);
  StepCursor(game, control::kDown);
  EXPECT_EQ(game.cursor.y, 288);
  EXPECT_EQ(game.play.originRow, 0);
  StepCursor(game, control::kDown);
  EXPECT_EQ(game.cursor.y, 288);
  EXPECT_EQ(game.play.originRow, 1);
}

TEST_F(CursorStepTest, LeftAtOriginZeroOrOneMovesTheCursorAndKeepsTheOriginAtOne) {
  PlaceCursorOnScreenField(5, 5);
  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.play.originColumn, 1);
  EXPECT_EQ(game.cursor.x, 4 * kTile);
  const FieldPosition after = CursorField(game);
  EXPECT_EQ(after.column, 5) << "the picture shifts under a cursor that stays on its field";

  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.play.originColumn, 1);
  EXPECT_EQ(game.cursor.x, 3 * kTile);

  game.play.originColumn = 3;
  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.play.originColumn, 2);
  EXPECT_EQ(game.cursor.x, 3 * kTile);
}

TEST_F(CursorStepTest, UpAtOriginZeroOrOneMovesTheCursorAndKeepsTheOriginAtOne) {
  PlaceCursorOnScreenField(5, 5);
  StepCursor(game, control::kUp);
  EXPECT_EQ(game.play.originRow, 1);
  EXPECT_EQ(game.cursor.y, 4 * kTile);
  StepCursor(game, control::kUp);
  EXPECT_EQ(game.play.originRow, 1);
  EXPECT_EQ(game.cursor.y, 3 * kTile);
}

TEST_F(CursorStepTest, TheMiddleCountsRightForLeftStepsButNotDownForUpSteps) {
  game.play.originColumn = 4;
  game.play.originRow = 4;
  game.cursor.x = 400;
  game.cursor.y = 300;
  StepCursor(game, control::kLeft);
  EXPECT_EQ(game.cursor.x, 368);
  EXPECT_EQ(game.play.originColumn, 4);
  StepCursor(game, control::kUp);
  EXPECT_EQ(game.cursor.y, 300);
  EXPECT_EQ(game.play.originRow, 3);
}

TEST_F(CursorStepTest, NoTileSizeMeansNoField) {
  game.settings.RESOLUTION = 0;
  EXPECT_FALSE(CursorField(game).valid);
  StepCursor(game, control::kRight);
  EXPECT_EQ(game.cursor.x, 0);
}

}  // namespace
}  // namespace vorantis::testing
