#include "controls/controls.h"

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

using DirectionTest = ControlsTest;

TEST_F(DirectionTest, HeldArrowsCombineAsLaterKeysAndTheDiagonalRule) {
  struct Case {
    std::vector<int> keys;
    int expected;
  };
  const std::vector<Case> cases = {
      {{key::kUp, key::kLeft}, control::kNone},
      {{key::kDown, key::kRight}, control::kNone},
      {{key::kLeft, key::kRight}, control::kRight},
      {{key::kUp, key::kDown}, control::kDown},
      {{key::kLeft}, control::kLeft},
      {{}, control::kNone},
  };
  for (const Case& c : cases) {
    input.keyboard = {};
    for (int k : c.keys) Hold(k);
    EXPECT_EQ(ScanDirection(game), c.expected) << "keys held: " << c.keys.size();
  }
}

TEST_F(DirectionTest, UpAndLeftTogetherGiveNoStepAndLeftAndRightStepRight) {
  PlaceCursorOnScreenField(3, 3);
  Hold(key::kUp);
  Hold(key::kLeft);
  Polls(3);
  EXPECT_EQ(game.cursor.x, 3 * kTile);
  EXPECT_EQ(game.cursor.y, 3 * kTile);

  input.keyboard = {};
  Hold(key::kLeft);
  Hold(key::kRight);
  Polls(1);
  EXPECT_EQ(game.cursor.x, 4 * kTile);
}

TEST_F(DirectionTest, GamepadStickGivesTheVerticalDirectionOnADiagonal) {
  UseGamepad();
  input.pad.axisX = -1000;
  input.pad.axisY = 1000;
  EXPECT_EQ(ScanDirection(game), control::kDown);
  input.pad.axisY = 0;
  EXPECT_EQ(ScanDirection(game), control::kLeft);
  input.pad.axisX = 500;  // inside the dead zone
  EXPECT_EQ(ScanDirection(game), control::kNone);
  // The keyboard is not read while the pad is in use.
  Hold(key::kRight);
  EXPECT_EQ(ScanDirection(game), control::kNone);
}

TEST_F(DirectionTest, CursorDelaySetsTheStepRate) {
  PlaceCursorOnScreenField(1, 1);
  Hold(key::kDown);
  Polls(4);
  EXPECT_EQ(game.cursor.y, 5 * kTile) << "cursorDelay 0 steps on every pass";

  input.keyboard = {};
  Polls(1);
  game.settings.cursorDelay = 2;
  game.cursor.stepDelay = 1;
  Hold(key::kDown);
  Polls(1);
  EXPECT_EQ(game.cursor.y, 5 * kTile) << "stepDelay 2 does not exceed the delay yet";
  Polls(1);
  EXPECT_EQ(game.cursor.y, 6 * kTile);
  Polls(2);
  EXPECT_EQ(game.cursor.y, 6 * kTile);
  Polls(1);
  EXPECT_EQ(game.cursor.y, 7 * kTile) << "then one step every cursorDelay + 1 passes";
}

TEST_F(DirectionTest, PageKeysChangeTheLevelOnceOnRelease) {
  game.play.levelNumber = 4;
  Hold(key::kPageUp);
  Polls(10);
  EXPECT_EQ(game.play.levelNumber, 4);
  Release(key::kPageUp);
  Polls(1);
  EXPECT_EQ(game.play.levelNumber, 5);
  Polls(3);
  EXPECT_EQ(game.play.levelNumber, 5);

  Hold(key::kPageDown);
  Polls(2);
  Release(key::kPageDown);
  Polls(1);
  EXPECT_EQ(game.play.levelNumber, 4);
}

TEST_F(DirectionTest, EveryPollIsAnnouncedToTheObserver) {
  Polls(3);
  EXPECT_EQ(observer.polls, 3);
}

class BombTriggerTest : public ControlsTest {
 protected:
  BombTriggerTest() {
    game.play.bombs = "&&&";
    Polls(1);  // a pass with nothing held marks the primary control released
  }
  int BombsUsed() const { return 3 - static_cast<int>(game.play.bombs.size()); }
};

TEST_F(BombTriggerTest, HoldingThePrimaryKeySetsOffOneBombPerPress) {
  Hold(key::kSpace);
  Polls(5);
  EXPECT_EQ(BombsUsed(), 1);
  Release(key::kSpace);
  Polls(1);
  Hold(key::kA);  // the A key is the primary control too
  Polls(3);
  EXPECT_EQ(BombsUsed(), 2);
}

TEST_F(BombTriggerTest, AnotherKeyPressedWhilePrimaryIsHeldArmsASecondBomb) {
  Hold(key::kSpace);
  Polls(2);
  Hold(key::kB);
  Polls(2);
  EXPECT_EQ(BombsUsed(), 1);
  Release(key::kB);
  Polls(1);
  EXPECT_EQ(BombsUsed(), 2);
}

TEST_F(BombTriggerTest, GamepadButtonTwoIsThePrimaryAndOnlyItsReleaseRearms) {
  UseGamepad();
  input.SetButton(2, true);
  Polls(3);
  EXPECT_EQ(BombsUsed(), 1);
  // Button 1 outranks button 2 but the primary stays held: still no second bomb.
  input.SetButton(1, true);
  Polls(1);
  input.SetButton(1, false);
  Polls(2);
  EXPECT_EQ(BombsUsed(), 1);
  input.SetButton(2, false);
  Polls(1);
  input.SetButton(2, true);
  Polls(1);
  EXPECT_EQ(BombsUsed(), 2);
}

TEST_F(BombTriggerTest, EmptyStockStaysEmpty) {
  game.play.bombs.clear();
  Hold(key::kSpace);
  Polls(2);
  EXPECT_TRUE(game.play.bombs.empty());
}

TEST_F(ControlsTest, LastActionFollowsTheLaterKeyAndTheLowestButton) {
  Hold(key::kSpace);
  Hold(key::kD);
  Polls(1);
  EXPECT_EQ(game.controls.lastAction, control::kActionY);
  input.keyboard = {};
  Hold(key::kC);
  Polls(1);
  EXPECT_EQ(game.controls.lastAction, control::kActionX);

  UseGamepad();
  input.SetButton(7, true);
  input.SetButton(8, true);
  Polls(1);
  EXPECT_EQ(game.controls.lastAction, 10);
  input.SetButton(4, true);
  Polls(1);
  EXPECT_EQ(game.controls.lastAction, control::kActionY);
}

}  // namespace
}  // namespace vorantis::testing
