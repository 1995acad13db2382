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

#include <map>
#include <string>

#include "e2e/replay_runner.h"

namespace vorantis {
namespace {

using testing::ReplayResult;
using testing::ReplayRunner;
using testing::Tap;

const std::string kScreen = "--size 320x240";
const std::string kStart = Tap(0, "SPACE");
const char* kFloor = "LAB_FLOOR";
const char* kBlue = "LAB_BLUE_FLOOR";
const char* kFixed = "LAB_FIXED_FLOOR";

// The field under the cursor, as the game finds it.
std::pair<int, int> CursorField(const ReplayResult& run) {
  const int tile = run.Count("tileSize");
  return {run.state["cursor"]["x"].Int() / tile + run.state["origin"]["column"].Int(),
          run.state["cursor"]["y"].Int() / tile + run.state["origin"]["row"].Int()};
}

// RIGHT, DOWN, then LEFT twice: at origin column 0 the first left step only shifts the view,
// the second reaches (1, 2). The cursor has then coloured the 2x2 block at (1, 1).
const std::string kBlockWalk = Tap(2, "RIGHT") + Tap(3, "DOWN") + Tap(4, "LEFT", 2);
// Two up steps (the first shifts the view) bring the cursor back to (1, 1).
const std::string kBackToCorner = Tap(7, "UP", 2);

class RoomPlay : public ::testing::Test {
 protected:
  ReplayResult Play(const std::string& script, int passes, const std::string& data = "",
                    const std::string& options = "") {
    return runner_.Run(data.empty() ? ReplayRunner::Fixture("room") : data,
                       kScreen + " --passes " + std::to_string(passes) + " " + options, script);
  }
  ReplayRunner runner_;
};

TEST_F(RoomPlay, StartingLeavesTheCursorOnItsFirstFloorFieldColouredBlue) {
  ReplayResult run = Play(kStart, 3);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "running");
  EXPECT_EQ(CursorField(run), std::make_pair(1, 1));
  EXPECT_EQ(run.Tile(1, 1), kBlue);
  EXPECT_EQ(run.Tile(2, 1), kFloor);
  EXPECT_EQ(run.Count("tilesLeft"), 14);
  EXPECT_EQ(run.Count("timeLeft"), 3);
  // Space ended the title; the same press did not set off the one bomb.
  EXPECT_EQ(run.state["bombs"].Text(), "&");
  EXPECT_TRUE(run.Showed(" TILES LEFT 14|"));
  EXPECT_TRUE(run.Showed(" TIME 3|"));
}

TEST_F(RoomPlay, ArrowKeysHeldTogetherResolveAsTheControlsSay) {
  // Up+Left: no step at all. Left+Right: right. Up+Down: down.
  const std::string script = kStart + Tap(2, "UP") + Tap(2, "LEFT") + Tap(3, "LEFT") + Tap(3, "RIGHT") +
                             Tap(4, "UP") + Tap(4, "DOWN");
  ReplayResult run = Play(script, 6);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.state["origin"]["column"].Int(), 0);
  EXPECT_EQ(run.state["origin"]["row"].Int(), 0);
  EXPECT_EQ(CursorField(run), std::make_pair(2, 2));
  // A step into the wall is refused before the view could move.
  ReplayResult blocked = Play(kStart + Tap(2, "UP", 3), 6);
  EXPECT_EQ(CursorField(blocked), std::make_pair(1, 1));
  EXPECT_EQ(blocked.state["origin"]["row"].Int(), 0);
}

TEST_F(RoomPlay, ColouringABlockFixesTheUpperFieldsAndScoresThem) {
  ReplayResult run = Play(kStart + kBlockWalk, 9);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(CursorField(run), std::make_pair(1, 2));
  EXPECT_EQ(run.state["origin"]["column"].Int(), 1);
  // The upper fields are fixed by the squares beside them; the lower ones wait for more blue.
  EXPECT_EQ(run.Tile(1, 1), kFixed);
  EXPECT_EQ(run.Tile(2, 1), kFixed);
  EXPECT_EQ(run.Tile(1, 2), kBlue);
  EXPECT_EQ(run.Tile(2, 2), kBlue);
  EXPECT_EQ(run.Tile(3, 1), kFloor);
  EXPECT_EQ(run.Count("totalScore"), 50);
  EXPECT_EQ(run.Count("tilesLeft"), 12);
  EXPECT_TRUE(run.Showed(" SCORE 50|"));
  EXPECT_TRUE(run.Showed(" TILES LEFT 12|"));
}

TEST_F(RoomPlay, BombClearsFixedFloorOnItsRaysAndUsesUpTheStock) {
  const std::string script = kStart + kBlockWalk + kBackToCorner + Tap(10, "SPACE");
  ReplayResult run = Play(script, 13);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_EQ(CursorField(run), std::make_pair(1, 1));
  // Both fixed fields lay on the right ray; the cursor colours its own field blue again.
  EXPECT_EQ(run.Tile(2, 1), kFloor);
  EXPECT_EQ(run.Tile(1, 1), kBlue);
  EXPECT_EQ(run.Tile(1, 2), kBlue);
  EXPECT_EQ(run.Count("tilesLeft"), 14);
  EXPECT_EQ(run.Count("totalScore"), 50);
  EXPECT_EQ(run.state["bombs"].Text(), "");
  EXPECT_TRUE(run.Showed(" |"));  // the empty stock over the three slots

  // With the stock empty, a second press changes nothing.
  ReplayResult again = Play(script + Tap(13, "SPACE"), 16);
  EXPECT_EQ(again.Count("tilesLeft"), 14);
  EXPECT_EQ(again.Tile(2, 1), kFloor);
}

TEST_F(RoomPlay, ViewScrollsOnceTheCursorPassesTheMiddle) {
  // Down to row 4 through the gap at column 5, then right along row 4 to column 11.
  const std::string script = kStart + Tap(2, "RIGHT", 4) + Tap(6, "DOWN", 3) + Tap(9, "RIGHT", 6);
  ReplayResult run = Play(script, 17);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(CursorField(run), std::make_pair(11, 4));
  // Column 10 sits on the middle (x 160); the step to column 11 moves the view instead.
  EXPECT_EQ(run.state["cursor"]["x"].Int(), 160);
  EXPECT_EQ(run.state["origin"]["column"].Int(), 1);
  EXPECT_EQ(run.Tile(11, 4), kBlue);
  EXPECT_EQ(run.Tile(5, 3), kBlue);
}

TEST_F(RoomPlay, CountdownRunsOutIntoGameOverAndTheProgramEnds) {
  const std::string data = runner_.Variant("room", {{"WORLDREFRESH", "2"}});
  ReplayResult run = Play(kStart, 400, data);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "ended");
  EXPECT_EQ(run.state["end"]["exitCode"].Int(), 0);
  EXPECT_EQ(run.Count("gameState"), 21);
  EXPECT_EQ(run.Count("timeLeft"), -1);
  // One step every three frames: 3, 2, 1 and 0 each show for a full step; -1 never shows.
  EXPECT_EQ(run.FramesShowing(" TIME 0|").size(), 3u);
  EXPECT_FALSE(run.Showed(" TIME -1|"));
  EXPECT_LT(run.Count("passes"), 20);
  // The caption plays for ceil((320 - 1) / 4) frames and they are the last ones.
  const auto gameOver = run.FramesShowing("  GAME OVER |");
  ASSERT_EQ(gameOver.size(), 80u);
  EXPECT_EQ(gameOver.back(), static_cast<int>(run.frames.size()));
  EXPECT_EQ(gameOver.front(), static_cast<int>(run.frames.size()) - 79);
}

TEST_F(RoomPlay, QuitDialogEndsThroughGameOverOnBAndResumesOnX) {
  ReplayResult quit = Play(kStart + Tap(3, "ESC") + Tap(6, "B"), 100);
  ASSERT_EQ(quit.exitCode, 0) << quit.errors;
  EXPECT_EQ(quit.EndKind(), "ended");
  EXPECT_TRUE(quit.Showed("  QUIT GAME ? |"));
  EXPECT_TRUE(quit.Showed("  PRESS B TO QUIT     |"));
  EXPECT_TRUE(quit.Showed("  PRESS X TO CONTINUE |"));
  EXPECT_EQ(quit.FramesShowing("  GAME OVER |").size(), 80u);
  EXPECT_EQ(quit.Count("passes"), 7);
  EXPECT_EQ(quit.Count("timeLeft"), 3);  // ended by the answer, not the clock

  ReplayResult resume = Play(kStart + Tap(3, "ESC") + Tap(6, "X") + Tap(8, "RIGHT"), 12);
  ASSERT_EQ(resume.exitCode, 0) << resume.errors;
  EXPECT_EQ(resume.EndKind(), "running");
  EXPECT_EQ(resume.Count("gameState"), 19);
  EXPECT_TRUE(resume.Showed("  QUIT GAME ? |"));
  EXPECT_FALSE(resume.Showed("  GAME OVER |"));
  EXPECT_EQ(CursorField(resume), std::make_pair(2, 1));
  EXPECT_EQ(resume.Tile(2, 1), kBlue);
}

TEST_F(RoomPlay, HardcorePlayerWalledInEndsAtOnceWithoutGameOver) {
  const std::string hardcore = runner_.Variant("room", {{"GAMEMODE", "HARDCORE"}});
  ReplayResult trapped = Play(kStart + kBlockWalk, 100, hardcore);
  ASSERT_EQ(trapped.exitCode, 0) << trapped.errors;
  EXPECT_EQ(trapped.EndKind(), "ended");
  EXPECT_EQ(trapped.state["end"]["exitCode"].Int(), 0);
  EXPECT_EQ(trapped.Count("gameState"), 19);
  EXPECT_FALSE(trapped.Showed("  GAME OVER |"));
  // (1, 2) has wall left and below, blue above and right.
  EXPECT_EQ(CursorField(trapped), std::make_pair(1, 2));
  EXPECT_EQ(trapped.Tile(1, 2), kBlue);
  EXPECT_EQ(trapped.Count("passes"), 6);

  // Blue floor blocks the cursor in this mode: the step back to (1, 1) is refused.
  ReplayResult blocked = Play(kStart + Tap(2, "RIGHT") + Tap(3, "LEFT"), 6, hardcore);
  EXPECT_EQ(blocked.EndKind(), "running");
  EXPECT_EQ(CursorField(blocked), std::make_pair(2, 1));
  EXPECT_EQ(blocked.state["origin"]["column"].Int(), 0);

  // The mode word is compared exactly: in lower case the same walk simply scores.
  ReplayResult lower = Play(kStart + kBlockWalk, 12, runner_.Variant("room", {{"GAMEMODE", "hardcore"}}));
  EXPECT_EQ(lower.EndKind(), "running");
  EXPECT_EQ(lower.Tile(1, 1), kFixed);
}

TEST_F(RoomPlay, PageKeysChangeOnlyTheLevelNumberWithALevelFile) {
  // Page Up held for passes 2..4 counts once, on release (pass 5); Page Down on pass 8.
  const std::string script = kStart + Tap(2, "PGUP", 3) + Tap(7, "PGDN");
  ReplayResult run = Play(script, 10);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  std::map<int, std::string> mapByPass;
  for (const auto& text : run.Texts())
    if (text.text.rfind(" MAP ", 0) == 0) mapByPass[text.pass] = text.text;
  EXPECT_EQ(mapByPass[4], " MAP 1|");
  EXPECT_EQ(mapByPass[5], " MAP 2|");
  EXPECT_EQ(mapByPass[6], " MAP 2|");
  EXPECT_EQ(mapByPass[7], " MAP 2|");
  EXPECT_EQ(mapByPass[8], " MAP 1|");
  EXPECT_EQ(run.Count("levelNumber"), 1);
  // Nothing was built: no intro, the start field is still blue.
  EXPECT_EQ(run.Count("builtLevelNumber"), 0);
  EXPECT_FALSE(run.Showed("  MAP 2| "));
  EXPECT_EQ(run.Tile(1, 1), kBlue);
}

TEST_F(RoomPlay, GamepadWalksBombsAndAnswersTheQuitDialog) {
  // START leaves the title once let go (pass 1); START in play opens the pause dialog and X
  // (button 1) closes it.
  std::string script = Tap(0, "PAD10") + Tap(2, "PAD10") + Tap(4, "PAD1");
  script += Tap(6, "PAD_RIGHT");
  script += Tap(7, "PAD_DOWN") + Tap(7, "PAD_LEFT");  // diagonal: the vertical direction wins
  script += Tap(8, "PAD_LEFT", 2) + Tap(11, "PAD_UP", 2);
  script += Tap(14, "PAD2");                    // bomb
  script += Tap(16, "PAD9") + Tap(18, "PAD1");  // quit dialog, X: go on
  script += Tap(20, "PAD9") + Tap(22, "PAD3");  // quit dialog, B: game over
  ReplayResult run = Play(script, 200, "", "--gamepad");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(run.Showed("  GAME PAUSED |"));
  EXPECT_EQ(run.EndKind(), "ended");
  EXPECT_EQ(run.FramesShowing("  GAME OVER |").size(), 80u);
  EXPECT_EQ(CursorField(run), std::make_pair(1, 1));
  EXPECT_EQ(run.Tile(1, 1), kBlue);
  EXPECT_EQ(run.Tile(2, 1), kFloor);
  EXPECT_EQ(run.Tile(2, 2), kBlue);
  EXPECT_EQ(run.Count("totalScore"), 50);
  EXPECT_EQ(run.Count("tilesLeft"), 14);
  EXPECT_EQ(run.state["bombs"].Text(), "");

  // The keyboard is not read while a pad is attached.
  ReplayResult keys =
      Play(Tap(0, "PAD10") + Tap(2, "PAD1") + Tap(4, "RIGHT") + Tap(6, "ESC"), 10, "", "--gamepad");
  EXPECT_EQ(CursorField(keys), std::make_pair(1, 1));
  EXPECT_FALSE(keys.Showed("  QUIT GAME ? |"));
}

}  // namespace
}  // namespace vorantis
