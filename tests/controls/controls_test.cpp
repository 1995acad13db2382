#include "controls/controls.h"

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

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

}  // namespace
}  // namespace vorantis::testing
