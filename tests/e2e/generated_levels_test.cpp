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

#include <string>
#include <vector>

#include "e2e/replay_runner.h"

namespace vorantis {
namespace {

using testing::Json;
using testing::ReplayResult;
using testing::ReplayRunner;
using testing::Tap;

const std::string kStart = Tap(0, "SPACE");
// Level 1: right to (4, 1), down, then left twice (the first only shifts the view) to (3, 2).
// The square at (3, 1) fixes two fields and the row above fixes (3, 2): tiles left 3 -> 0.
const std::string kFinishLevelOne = Tap(2, "RIGHT", 3) + Tap(5, "DOWN") + Tap(6, "LEFT", 2);
// Level 2: down onto grass, right, then up twice (the first only shifts the view): a 2x2 block
// whose upper fields fix and score 20.
const std::string kBlockOnLevelTwo = Tap(12, "DOWN") + Tap(13, "RIGHT") + Tap(14, "UP", 2);
// Every frame the level intro draws at width 320: ceil((320 - 1) / 6).
constexpr std::size_t kIntroFrames = 54;

std::vector<std::vector<std::string>> LevelRows(const ReplayResult& run) {
  std::vector<std::vector<std::string>> rows;
  for (const Json& row : run.state["level"].Items()) {
    rows.emplace_back();
    for (const Json& code : row.Items()) rows.back().push_back(code.Text());
  }
  return rows;
}

class GeneratedLevels : public ::testing::Test {
 protected:
  ReplayResult Play(const std::string& script, int passes, const std::string& options = "") {
    return runner_.Run(ReplayRunner::Fixture("generated"),
                       "--size 320x240 --passes " + std::to_string(passes) + " " + options, script);
  }
  ReplayRunner runner_;
};

TEST_F(GeneratedLevels, StartUpBuildsLevelOneWithoutAnIntro) {
  ReplayResult run = Play(kStart, 3);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.Count("levelNumber"), 1);
  EXPECT_EQ(run.Count("builtLevelNumber"), 1);
  EXPECT_EQ(run.Count("levelWidth"), 7);
  EXPECT_EQ(run.Count("levelHeight"), 6);
  EXPECT_EQ(run.Count("tilesLeft"), 3);
  EXPECT_EQ(run.Tile(1, 1), "LAB_BLUE_FLOOR");
  for (int column = 2; column <= 5; ++column) EXPECT_EQ(run.Tile(column, 1), "LAB_FLOOR") << column;
  // The wall border: one field on the left and top, two on the right and bottom.
  for (int row = 0; row <= 6; ++row) {
    EXPECT_EQ(run.Tile(0, row), "LAB_WALL");
    EXPECT_EQ(run.Tile(6, row), "LAB_WALL");
    EXPECT_EQ(run.Tile(7, row), "LAB_WALL");
  }
  // The main loop does not build level 1 a second time, so there is no intro.
  EXPECT_FALSE(run.Showed("  MAP 1| "));
}

TEST_F(GeneratedLevels, CompletingALevelBanksTheScoreAndBuildsTheNextWithItsIntro) {
  ReplayResult run = Play(kStart + kFinishLevelOne, 12);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "running");
  EXPECT_EQ(run.Count("levelNumber"), 2);
  EXPECT_EQ(run.Count("builtLevelNumber"), 2);
  EXPECT_EQ(run.Count("totalScore"), 30);
  EXPECT_EQ(run.Count("bankedScore"), 30);
  EXPECT_EQ(run.Count("levelWidth"), 11);
  EXPECT_EQ(run.Count("levelHeight"), 8);
  EXPECT_EQ(run.Count("tilesLeft"), 8);
  EXPECT_EQ(run.Count("timeLeft"), 2);
  // A fresh level: the view is back at the corner, only the start field is coloured.
  EXPECT_EQ(run.state["origin"]["column"].Int(), 0);
  EXPECT_EQ(run.Tile(1, 1), "LAB_BLUE_FLOOR");
  EXPECT_EQ(run.Tile(2, 1), "LAB_FLOOR");
  EXPECT_TRUE(run.Showed(" TILES LEFT 0|"));
  const auto intro = run.FramesShowing("  MAP 2| ");
  ASSERT_EQ(intro.size(), kIntroFrames);
  EXPECT_EQ(intro.back() - intro.front() + 1, static_cast<int>(kIntroFrames));  // one run of frames
  EXPECT_FALSE(run.Showed("  MAP 1| "));
  EXPECT_TRUE(run.Showed(" MAP 2|"));
}

TEST_F(GeneratedLevels, PauseRestartRebuildsTheLevelWithTheBankedScore) {
  const std::string upToPause = kStart + kFinishLevelOne + kBlockOnLevelTwo + Tap(18, "P");
  ReplayResult scored = Play(upToPause, 18);
  ASSERT_EQ(scored.exitCode, 0) << scored.errors;
  ASSERT_EQ(scored.Count("levelNumber"), 2);
  ASSERT_EQ(scored.Tile(1, 1), "LAB_FIXED_FLOOR");
  ASSERT_EQ(scored.Tile(2, 1), "LAB_FIXED_FLOOR");
  ASSERT_EQ(scored.Count("totalScore"), 50);
  ASSERT_EQ(scored.Count("tilesLeft"), 6);

  ReplayResult restarted = Play(upToPause + Tap(20, "B"), 24);
  ASSERT_EQ(restarted.exitCode, 0) << restarted.errors;
  EXPECT_TRUE(restarted.Showed("  GAME PAUSED |"));
  EXPECT_TRUE(restarted.Showed("  PRESS B TO RESTART  |"));
  EXPECT_EQ(restarted.Count("levelNumber"), 2);
  EXPECT_EQ(restarted.Count("builtLevelNumber"), 2);
  EXPECT_EQ(restarted.Count("totalScore"), 30);
  EXPECT_EQ(restarted.Count("bankedScore"), 30);
  EXPECT_EQ(restarted.Count("tilesLeft"), 8);
  EXPECT_EQ(restarted.Tile(2, 1), "LAB_FLOOR");
  EXPECT_EQ(restarted.Tile(1, 2), "LAB_GREEN");
  // Built again, with its intro once more.
  EXPECT_EQ(restarted.FramesShowing("  MAP 2| ").size(), 2 * kIntroFrames);

  ReplayResult resumed = Play(upToPause + Tap(20, "X"), 24);
  ASSERT_EQ(resumed.exitCode, 0) << resumed.errors;
  EXPECT_TRUE(resumed.Showed("  GAME PAUSED |"));
  EXPECT_EQ(resumed.Count("totalScore"), 50);
  EXPECT_EQ(resumed.Count("tilesLeft"), 6);
  EXPECT_EQ(resumed.Tile(1, 1), "LAB_FIXED_FLOOR");
  EXPECT_EQ(resumed.FramesShowing("  MAP 2| ").size(), kIntroFrames);
}

TEST_F(GeneratedLevels, PageKeysRebuildOnRelease) {
  ReplayResult held = Play(kStart + Tap(2, "PGUP", 4), 5);
  ASSERT_EQ(held.exitCode, 0) << held.errors;
  EXPECT_EQ(held.Count("levelNumber"), 1);
  EXPECT_EQ(held.Count("builtLevelNumber"), 1);

  ReplayResult up = Play(kStart + Tap(2, "PGUP", 4), 9);
  ASSERT_EQ(up.exitCode, 0) << up.errors;
  EXPECT_EQ(up.Count("levelNumber"), 2);
  EXPECT_EQ(up.Count("builtLevelNumber"), 2);
  EXPECT_EQ(up.FramesShowing("  MAP 2| ").size(), kIntroFrames);
  // Level 2 does not depend on how it was reached.
  ReplayResult completed = Play(kStart + kFinishLevelOne, 12);
  EXPECT_EQ(LevelRows(up), LevelRows(completed));

  // Page Down goes back to level 1, now built as every later level is.
  ReplayResult down = Play(kStart + Tap(2, "PGUP", 4) + Tap(8, "PGDN"), 12);
  ASSERT_EQ(down.exitCode, 0) << down.errors;
  EXPECT_EQ(down.Count("levelNumber"), 1);
  EXPECT_EQ(down.Count("builtLevelNumber"), 1);
  EXPECT_EQ(down.FramesShowing("  MAP 1| ").size(), kIntroFrames);
}

TEST_F(GeneratedLevels, GamepadPauseRestartsAndQuitEndsTheGame) {
  // The title waits for START to be let go (pass 1); START in play opens the pause dialog and
  // B (button 3) restarts level 1, which the main loop now builds as it builds every later level
  // (9 by 11, a corridor down).
  std::string script = Tap(0, "PAD10") + Tap(2, "PAD10") + Tap(4, "PAD3");
  script += Tap(7, "PAD_DOWN", 2);
  script += Tap(10, "PAD9") + Tap(12, "PAD1");   // quit dialog, X: go on
  script += Tap(14, "PAD10") + Tap(16, "PAD1");  // pause dialog, X: go on
  ReplayResult run = Play(script, 19, "--gamepad");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "running");
  EXPECT_EQ(run.FramesShowing("  MAP 1| ").size(), kIntroFrames);
  EXPECT_TRUE(run.Showed("  QUIT GAME ? |"));
  EXPECT_EQ(run.Count("builtLevelNumber"), 1);
  EXPECT_EQ(run.Count("levelWidth"), 9);
  EXPECT_EQ(run.Count("levelHeight"), 11);
  EXPECT_EQ(run.Tile(1, 3), "LAB_BLUE_FLOOR");

  ReplayResult quit = Play(script + Tap(20, "PAD9") + Tap(22, "PAD3"), 200, "--gamepad");
  ASSERT_EQ(quit.exitCode, 0) << quit.errors;
  EXPECT_EQ(quit.EndKind(), "ended");
  EXPECT_EQ(quit.FramesShowing("  GAME OVER |").size(), 80u);
}

}  // namespace
}  // namespace vorantis
