// Generated levels through the replay tool: completion, restart, Page Up and Page Down.
//
// The "generated" data set builds from WORLDRANDOM 4, a 12x12 base and MAPSIZE 14, on a
// 320x240 screen with tile size 16 (every level fits the screen). Its level 1 is
//
//   W W W W W W W W
//   W @ . . . . W W      @ the start field (1, 1), W wall, ~ water (blocks)
//   W ~ ~ . . . W W      3 tiles left; the fixed floor is worth 10.
//   W ~ ~ . ~ . W W
//   W W . . . . W W
//
// and its level 2 (the same whichever way it is reached) starts
//
//   W W W W W W W W W W W W
//   W @ . . . . . . . . W W      8 tiles left, g grass
//   W g g g W . . . . . W W
//   W ~ g ~ ~ . . . W . W W
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "e2e/replay_runner.h"

namespace vorantis::testing {
namespace {

const std::string kStart = Tap(0, "SPACE");
// Level 1: right to (4, 1), down, then left twice (the first only shifts the view) to (3, 2).
// The square at (3, 1) fixes two fields and the row above fixes (3, 2): tiles left 3 -> 0.
const std::string kFinishLevelOne = kStart + Tap(2, "RIGHT", 3) + Tap(5, "DOWN") + Tap(6, "LEFT", 2);
// Every frame the level intro draws at width 320: ceil((320 - 1) / 6).
constexpr std::size_t kIntroFrames = 54;

class GeneratedLevels : public ::testing::Test {
 protected:
  ReplayResult Play(const std::string& script, int passes, const std::string& options = "") {
    ReplayResult run =
        runner_.Run(ReplayRunner::Fixture("generated"),
                    "--size 320x240 --passes " + std::to_string(passes) + " " + options, script);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.EndKind(), "running");
    return run;
  }
  ReplayRunner runner_;
};

TEST_F(GeneratedLevels, CompletingALevelOrPageUpBuildsTheNextWithItsIntro) {
  ReplayResult done = Play(kFinishLevelOne, 12);
  EXPECT_EQ(done.Counts("levelNumber builtLevelNumber totalScore bankedScore levelWidth tilesLeft timeLeft"),
            "2 2 30 30 11 8 2");
  EXPECT_TRUE(done.Showed(" TILES LEFT 0|"));
  // A fresh level: the view is back at the corner, only the start field is coloured.
  EXPECT_EQ(done.state["origin"]["column"].Int(), 0);
  EXPECT_EQ(done.Tile(1, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(done.Tile(2, 1), "LAB_FLOOR");
  const auto intro = done.FramesShowing("  MAP 2| ");
  ASSERT_EQ(intro.size(), kIntroFrames);
  EXPECT_EQ(intro.back() - intro.front() + 1, static_cast<int>(kIntroFrames));  // one run of frames

  // Page Up held for four passes counts on release; the level is the same however reached.
  ReplayResult up = Play(kStart + Tap(2, "PGUP", 4), 9);
  EXPECT_EQ(up.Count("builtLevelNumber"), 2);
  EXPECT_EQ(up.stateText.substr(up.stateText.find("\"level\":")),
            done.stateText.substr(done.stateText.find("\"level\":")));

  ReplayResult down = Play(kStart + Tap(2, "PGUP", 4) + Tap(8, "PGDN"), 12);
  EXPECT_EQ(down.Counts("levelNumber builtLevelNumber"), "1 1");
  EXPECT_EQ(down.FramesShowing("  MAP 1| ").size(), kIntroFrames);
}

TEST_F(GeneratedLevels, PauseRestartRebuildsTheLevelWithTheBankedScore) {
  // On level 2: down onto grass, right, then up twice (the first only shifts the view): a 2x2
  // block whose upper fields fix and score 20. Then P and B.
  const std::string block = Tap(12, "DOWN") + Tap(13, "RIGHT") + Tap(14, "UP", 2);
  ReplayResult scored = Play(kFinishLevelOne + block, 18);
  ASSERT_EQ(scored.Tile(2, 1), "LAB_FIXED_FLOOR");
  ASSERT_EQ(scored.Count("totalScore"), 50);

  ReplayResult restarted = Play(kFinishLevelOne + block + Tap(18, "P") + Tap(20, "B"), 24);
  EXPECT_TRUE(restarted.Showed("  PRESS B TO RESTART  |"));
  EXPECT_EQ(restarted.Counts("builtLevelNumber totalScore tilesLeft"), "2 30 8");
  EXPECT_EQ(restarted.Tile(2, 1), "LAB_FLOOR");
  EXPECT_EQ(restarted.FramesShowing("  MAP 2| ").size(), 2 * kIntroFrames) << "built again, intro again";

  // On the gamepad: START once let go leaves the title, START opens the pause dialog and B (3)
  // restarts level 1, now built as every later level is (9 by 11, a corridor down).
  ReplayResult pad =
      Play(Tap(0, "PAD10") + Tap(2, "PAD10") + Tap(4, "PAD3") + Tap(7, "PAD_DOWN", 2), 10, "--gamepad");
  EXPECT_EQ(pad.FramesShowing("  MAP 1| ").size(), kIntroFrames);
  EXPECT_EQ(pad.Counts("levelWidth levelHeight"), "9 11");
  EXPECT_EQ(pad.Tile(1, 3), "LAB_BLUE_FLOOR");
}

// A level complete as soon as it is built (a 1x1 base, MAPSIZE 3: the floor walk digs one
// field, a quarter of which is 0) completes on every pass while the countdown runs: the game
// ends after WORLDREFRESH + 1 passes instead of building levels for ever.
TEST_F(GeneratedLevels, LevelsCompleteAtBuildEndTheGameWhenTheCountdownRunsOut) {
  const std::string data =
      runner_.CopyOf(ReplayRunner::Fixture("generated"),
                     {{"MAPSIZE", "3"}, {"WORLDREFRESH", "5"}, {"SELFCREATEBASE", "DATA\\tiny.txt"}});
  std::ofstream(std::filesystem::path(data) / "DATA" / "tiny.txt", std::ios::binary)
      << Lines({"B", "1", "1", "-", "-"});
  ReplayResult run = runner_.Run(data, "--size 320x240 --passes 100", kStart);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "ended");
  EXPECT_EQ(run.Counts("passes levelNumber gameState"), "6 7 21") << "one completion per pass";
  EXPECT_TRUE(run.Showed("  GAME OVER |"));
}

}  // namespace
}  // namespace vorantis::testing
