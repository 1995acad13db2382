// Reading the controls, cursor steps, bombs and the dialogs, on the play fixture with a 21 x 21
// open floor and the keyboard and pad held by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

#include "controls/bomb.h"
#include "controls/controls.h"
#include "controls/cursor_step.h"
#include "controls/dialogs.h"
#include "engine/input.h"
#include "play/play_fixture.h"

namespace vorantis::testing {
namespace {

class ControlsTest : public PlayTest {
 protected:
  ControlsTest() : input(*tg.input) {
    game.settings.cursorDelay = 0;
    MakeFloor(20, 20);
  }
  // Puts the cursor on the field (column, row) of the screen, view origin unchanged.
  void PlaceCursor(int column, int row) {
    game.play.cursor.x = column * kTile;
    game.play.cursor.y = row * kTile;
  }
  void Hold(std::vector<int> keys) {
    input.keyboard = {};
    for (int k : keys) input.SetKey(k, true);
  }
  void Polls(int count) {
    for (int i = 0; i < count; ++i) PollControls(game);
  }

  ScriptedInput& input;
};

TEST_F(ControlsTest, HeldArrowsStepAsTheLaterKeyUnlessDiagonal) {
  struct Case {
    std::vector<int> keys;
    int dx, dy;
  } const cases[] = {{{key::kUp, key::kLeft}, 0, 0},
                     {{key::kDown, key::kRight}, 0, 0},
                     {{key::kLeft, key::kRight}, 1, 0},
                     {{key::kUp, key::kDown}, 0, 1},
                     {{key::kLeft}, -1, 0},
                     {{}, 0, 0}};
  for (const Case& c : cases) {
    game.play.originColumn = game.play.originRow = 0;
    PlaceCursor(3, 3);
    Hold(c.keys);
    Polls(1);
    EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y),
              std::make_pair((3 + c.dx) * kTile, (3 + c.dy) * kTile))
        << "case " << &c - cases;
  }
}

TEST_F(ControlsTest, CursorDelaySetsTheStepRate) {
  Hold({key::kDown});
  Polls(4);
  EXPECT_EQ(game.play.cursor.y, 4 * kTile) << "cursorDelay 0 steps on every pass";
  game.settings.cursorDelay = 2;
  Polls(5);
  EXPECT_EQ(game.play.cursor.y, 5 * kTile);
  Polls(1);
  EXPECT_EQ(game.play.cursor.y, 6 * kTile) << "one step every cursorDelay + 1 passes";
}

TEST_F(ControlsTest, OneBombPerPressOfThePrimaryControl) {
  game.play.bombs = "&&&&";
  auto used = [&] { return 4 - static_cast<int>(game.play.bombs.size()); };
  Polls(1);         // a pass with nothing held marks the primary control released
  Hold({key::kA});  // the A key is the primary control too
  Polls(3);
  EXPECT_EQ(used(), 1);
  Hold({});
  Polls(1);
  Hold({key::kSpace});
  Polls(5);
  EXPECT_EQ(used(), 2);
  // Another key pressed while the primary is held marks it released: its release arms a bomb.
  Hold({key::kSpace, key::kB});
  Polls(2);
  EXPECT_EQ(used(), 2);
  Hold({key::kSpace});
  Polls(1);
  EXPECT_EQ(used(), 3);
}

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
  // A right or down step that lands exactly on the middle still moves the cursor.
  game.play.cursor.x = 368;
  game.play.cursor.y = 268;
  StepCursor(game, control::kRight);
  StepCursor(game, control::kDown);
  EXPECT_EQ(std::make_pair(game.play.cursor.x, game.play.cursor.y), std::make_pair(400.f, 300.f));
  EXPECT_EQ(std::make_pair(game.play.originColumn, game.play.originRow), std::make_pair(4.f, 3.f));
}

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

// Dialogs are loops of their own: the keys change before each poll, the first poll
// being the play pass that opens the dialog.
class DialogTest : public ControlsTest {
 protected:
  DialogTest() {
    PlaceCursor(3, 3);
    game.play.timeLeft = 100;
    game.play.tilesLeft = 10;
    game.play.totalScore = 500;
    game.play.bankedScore = 200;
    game.level.builtLevelNumber = game.play.levelNumber = 3;
  }
  // A play pass that holds the keys of each poll from the next one on; the last set stays
  // held. A dialog still open a few polls past the script has missed its answer: it fails.
  void PlayPass(std::vector<std::vector<int>> keysPerPoll) {
    observer.beforePoll = [this, first = observer.polls + 1, keysPerPoll](int poll) {
      const std::size_t at = static_cast<std::size_t>(poll - first);
      if (at >= keysPerPoll.size() + 4)
        throw std::runtime_error("the dialog was still open 4 polls after the scripted answer");
      Hold(keysPerPoll[std::min(at, keysPerPoll.size() - 1)]);
    };
    PollControls(game);
  }
};

TEST_F(DialogTest, QuitDialogXReturnsToPlayAndAHeldPrimaryNeedsANewPress) {
  game.play.bombs = "&&";
  Polls(1);
  PlayPass({{key::kEscape}, {key::kSpace, key::kX}});
  EXPECT_EQ(game.play.gameState, kGameRunning);
  PlayPass({{key::kSpace}});
  PlayPass({{key::kSpace}});
  EXPECT_EQ(game.play.bombs, "&&") << "still the same press";
  PlayPass({{}});
  PlayPass({{key::kSpace}});
  EXPECT_EQ(game.play.bombs, "&");
}

// The replay tool's runs pin B in both dialogs (the quit through game over, the restart with
// the banked score), the stored trace the dialogs' lines and a picture shown per poll.
TEST_F(DialogTest, PauseDialogDrawsOverTheStandingPictureAndXChangesNothing) {
  PlayPass({{key::kP}, {}, {}, {key::kX}});
  for (const auto& entry : tg.recorder()->entries())
    EXPECT_NE(entry.kind, RecordingRenderer::Kind::kClear) << "the dialog draws over the standing picture";
  EXPECT_EQ(game.level.builtLevelNumber, 3);
  EXPECT_EQ(game.play.totalScore, 500);
}

TEST_F(DialogTest, DialogsDoNotNestAndTheControlsKeepWorkingInThem) {
  PlayPass({{key::kP},
            {key::kP, key::kRight, key::kPageUp},
            {key::kP, key::kEscape, key::kRight},
            {key::kEscape, key::kRight},
            {key::kRight, key::kX}});
  EXPECT_EQ(observer.polls, 5) << "one answer closed the only dialog";
  EXPECT_EQ(observer.Shown("  GAME PAUSED |"), 4);
  // Four dialog passes step right, and the play pass resumes with the direction last read.
  EXPECT_EQ(game.play.cursor.x, 8 * kTile);
  EXPECT_EQ(game.play.levelNumber, 4);
}

}  // namespace
}  // namespace vorantis::testing
