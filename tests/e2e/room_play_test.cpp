// Play on a hand-made level file, driven through the replay tool.
//
// The "room" level (tile size 16, screen 320x240, one cursor step per pass):
//
//   col  0123456789012
//   r0   WWWWWWWWWWWWW
//   r1   W.......W...W      W = "LAB_WALL" (blocks, stops bomb rays)
//   r2   W.......W...W      . = "LAB_FLOOR"
//   r3   WWWWW.WWW...W
//   r4   W...........W      57 floor fields: 14 tiles left, 3 on the clock;
//   r5   W...........W      the cursor starts on (1, 1), the fixed floor is worth 25.
//   r6   W...........W
//   r7   WWWWWWWWWWWWW
#include <gtest/gtest.h>

#include "e2e/replay_runner.h"

namespace vorantis::testing {
namespace {

const std::string kStart = Tap(0, "SPACE");
const std::pair<int, int> kCorner{1, 1};

class RoomPlay : public ::testing::Test {
 protected:
  ReplayResult Play(const std::string& script, int passes, const std::string& options = "",
                    const std::string& data = ReplayRunner::Fixture("room")) {
    ReplayResult run =
        runner_.Run(data, "--size 320x240 --passes " + std::to_string(passes) + " " + options, script);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run;
  }
  ReplayRunner runner_;
};

TEST_F(RoomPlay, CountdownAndQuitDialogEndThroughGameOverWithExitCodeZero) {
  ReplayResult timeUp =
      Play(kStart, 400, "", runner_.CopyOf(ReplayRunner::Fixture("room"), {{"WORLDREFRESH", "2"}}));
  EXPECT_EQ(timeUp.EndKind(), "ended");
  EXPECT_EQ(timeUp.state["end"]["exitCode"].Int(), 0);
  EXPECT_EQ(timeUp.Count("gameState"), 21);
  // One step every three frames: 3, 2, 1 and 0 each show for a full step; -1 never shows.
  EXPECT_EQ(timeUp.FramesShowing(" TIME 0|").size(), 3u);
  EXPECT_FALSE(timeUp.Showed(" TIME -1|"));
  // The caption plays for ceil((320 - 1) / 4) frames and they are the last ones.
  const auto gameOver = timeUp.FramesShowing("  GAME OVER |");
  ASSERT_EQ(gameOver.size(), 80u);
  EXPECT_EQ(gameOver.front(), static_cast<int>(timeUp.frames.size()) - 79);

  ReplayResult quit = Play(kStart + Tap(3, "ESC") + Tap(6, "B"), 100);
  EXPECT_EQ(quit.EndKind(), "ended");
  EXPECT_EQ(quit.state["end"]["exitCode"].Int(), 0);
  EXPECT_EQ(quit.Counts("passes timeLeft"), "7 3") << "ended by the answer, not the clock";
}

TEST_F(RoomPlay, GamepadWalksFixesBombsPausesAndQuits) {
  // START leaves the title once let go; START in play opens the pause dialog, X (1) closes it.
  std::string script = Tap(0, "PAD10") + Tap(2, "PAD10") + Tap(4, "PAD1") + Tap(6, "PAD_RIGHT");
  script += Tap(7, "PAD_DOWN") + Tap(7, "PAD_LEFT");  // diagonal: the vertical direction wins
  script += Tap(8, "PAD_LEFT", 2) + Tap(11, "PAD_UP", 2) + Tap(14, "PAD2");         // bomb
  script += Tap(16, "PAD9") + Tap(18, "PAD1") + Tap(20, "PAD9") + Tap(22, "PAD3");  // quit: X, then B
  ReplayResult run = Play(script, 200, "--gamepad");
  EXPECT_TRUE(run.Showed("  GAME PAUSED |"));
  EXPECT_EQ(run.EndKind(), "ended");
  EXPECT_EQ(run.CursorField(), kCorner);
  // The right ray cleared the fixed (2, 1) and the cursor coloured its own field blue again.
  EXPECT_EQ(run.Tile(2, 1), "LAB_FLOOR");
  EXPECT_EQ(run.Tile(1, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(run.Tile(2, 2), "LAB_BLUE_FLOOR");
  EXPECT_EQ(run.Counts("totalScore tilesLeft"), "50 14");
  EXPECT_EQ(run.state["bombs"].text, "");

  // The keyboard is not read while a pad is attached.
  ReplayResult keys = Play(Tap(0, "PAD10") + Tap(2, "RIGHT") + Tap(4, "ESC"), 8, "--gamepad");
  EXPECT_EQ(keys.CursorField(), kCorner);
  EXPECT_FALSE(keys.Showed("  QUIT GAME ? |"));
}

}  // namespace
}  // namespace vorantis::testing
