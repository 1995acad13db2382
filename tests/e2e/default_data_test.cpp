// The generated default data sets run through the replay tool, and runs repeat exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "e2e/replay_runner.h"
#include "engine/image.h"
#include "engine/platform/image_decoders.h"

namespace vorantis {
namespace {

using testing::Json;
using testing::ReplayResult;
using testing::ReplayRunner;
using testing::Tap;

const std::string kStart = Tap(0, "SPACE");
const std::string kScreen = "--size 320x240";

std::set<std::string> TileCodes(const ReplayResult& run) {
  std::set<std::string> codes;
  for (const Json& row : run.state["level"].Items())
    for (const Json& code : row.Items()) codes.insert(code.Text());
  return codes;
}

void ExpectLevelGridMatchesItsSize(const ReplayResult& run) {
  const Json& level = run.state["level"];
  ASSERT_EQ(level.size(), static_cast<std::size_t>(run.Count("levelHeight") + 1));
  for (const Json& row : level.Items())
    EXPECT_EQ(row.size(), static_cast<std::size_t>(run.Count("levelWidth") + 1));
}

TEST(DefaultData, StartUpBuildsLevelOneAndPageUpBuildsLevelTwoWithItsIntro) {
  ReplayRunner runner;
  ReplayResult start = runner.Run(ReplayRunner::DefaultData(), kScreen + " --passes 4", kStart);
  ASSERT_EQ(start.exitCode, 0) << start.errors;
  EXPECT_EQ(start.EndKind(), "running");
  EXPECT_EQ(start.Count("gameState"), 19);
  EXPECT_EQ(start.Count("levelNumber"), 1);
  EXPECT_EQ(start.Count("builtLevelNumber"), 1);
  EXPECT_GT(start.Count("levelWidth"), 0);
  EXPECT_GT(start.Count("levelHeight"), 0);
  ExpectLevelGridMatchesItsSize(start);
  const auto codes = TileCodes(start);
  for (const char* code : {"LAB_WALL", "LAB_FLOOR"}) EXPECT_TRUE(codes.count(code)) << code;
  EXPECT_FALSE(start.state["enemies"].Items().empty());
  EXPECT_GT(start.Count("fieldObjects"), 0);
  EXPECT_GT(start.Count("tilesLeft"), 0);
  EXPECT_GT(start.Count("timeLeft"), 0);
  // The main loop runs: the HUD is drawn on every pass.
  EXPECT_EQ(start.FramesShowing(" MAP 1|").size(), 4u);
  EXPECT_TRUE(start.Showed(" SCORE 0|"));
  EXPECT_TRUE(start.Showed(" &|"));
  EXPECT_FALSE(start.Showed("  MAP 1| "));

  ReplayResult next =
      runner.Run(ReplayRunner::DefaultData(), kScreen + " --passes 6", kStart + Tap(2, "PGUP"));
  ASSERT_EQ(next.exitCode, 0) << next.errors;
  EXPECT_EQ(next.Count("levelNumber"), 2);
  EXPECT_EQ(next.Count("builtLevelNumber"), 2);
  ExpectLevelGridMatchesItsSize(next);
  EXPECT_NE(next.stateText.substr(next.stateText.find("\"level\":")),
            start.stateText.substr(start.stateText.find("\"level\":")));
  EXPECT_EQ(next.FramesShowing("  MAP 2| ").size(), 54u);  // ceil((320 - 1) / 6)
  EXPECT_FALSE(next.state["enemies"].Items().empty());
}

TEST(DefaultData, LevelFileSetPlacesTheCursorOnItsFirstFloorFieldWithTimeOnTheClock) {
  ReplayRunner runner;
  ReplayResult run = runner.Run(ReplayRunner::LevelFileData(), kScreen + " --passes 4", kStart);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "running");
  EXPECT_EQ(run.state["settings"]["USESELFCREATEBASE"].Int(), 0);
  EXPECT_EQ(run.Count("levelNumber"), 1);
  EXPECT_EQ(run.Count("builtLevelNumber"), 0);
  EXPECT_GT(run.Count("levelWidth"), 0);
  ExpectLevelGridMatchesItsSize(run);
  EXPECT_GT(run.Count("tilesLeft"), 0);
  EXPECT_GT(run.Count("timeLeft"), 0);
  EXPECT_GT(run.Count("fieldObjects"), 0);

  // The first floor field in column order is where the cursor stands, coloured blue by now.
  const int tile = run.Count("tileSize");
  const int column = run.state["cursor"]["x"].Int() / tile;
  const int row = run.state["cursor"]["y"].Int() / tile;
  EXPECT_EQ(run.Tile(column, row), "LAB_BLUE_FLOOR");
  bool found = false;
  for (int c = 0; c <= run.Count("levelWidth") && !found; ++c)
    for (int r = 0; r <= run.Count("levelHeight") && !found; ++r) {
      const std::string code = run.Tile(c, r);
      if (code != "LAB_FLOOR" && code != "LAB_BLUE_FLOOR") continue;
      found = true;
      EXPECT_EQ(c, column);
      EXPECT_EQ(r, row);
    }
  EXPECT_TRUE(found);
}

bool IsPng(const std::string& bytes) {
  return bytes.rfind("\x89PNG\r\n\x1a\n", 0) == 0;
}

TEST(DefaultData, SameScriptGivesTheSameStateTraceAndFrames) {
  ReplayRunner runner;
  // Walk, set off the bomb, skip to level 2 and open and close the pause dialog.
  const std::string script = kStart + Tap(3, "RIGHT", 30) + Tap(33, "DOWN", 20) + Tap(55, "SPACE") +
                             Tap(60, "PGUP") + Tap(64, "P") + Tap(66, "X") + Tap(68, "LEFT", 10);
  const std::string options = kScreen + " --passes 80 --frames 1,40,150 --renderer gl --out ";
  const auto frames = runner.scratch() / "frames";
  ReplayResult first =
      runner.Run(ReplayRunner::DefaultData(), options + "'" + (frames / "a").string() + "'", script);
  ReplayResult second =
      runner.Run(ReplayRunner::DefaultData(), options + "'" + (frames / "b").string() + "'", script);
  ASSERT_EQ(first.exitCode, 0) << first.errors;
  ASSERT_EQ(second.exitCode, 0) << second.errors;
  ASSERT_GT(first.frames.size(), 150u);
  EXPECT_EQ(first.stateText, second.stateText);
  EXPECT_EQ(first.traceText, second.traceText);
  EXPECT_TRUE(first.Showed("  MAP 2| "));
  EXPECT_TRUE(first.Showed("  GAME PAUSED |"));
  EXPECT_FALSE(first.Sounds().empty());

  for (const char* name : {"frame-000001.png", "frame-000040.png", "frame-000150.png"}) {
    const std::string png = ReplayRunner::ReadFile(frames / "a" / name);
    ASSERT_TRUE(IsPng(png)) << name;
    EXPECT_EQ(png, ReplayRunner::ReadFile(frames / "b" / name)) << name;
  }
  // A frame of play shows the labyrinth: a picture of the screen's size, far from black.
  const std::string play = ReplayRunner::ReadFile(frames / "a" / "frame-000040.png");
  Image image;
  ASSERT_TRUE(DecodePng(std::vector<std::uint8_t>(play.begin(), play.end()), image));
  EXPECT_EQ(image.width, 320);
  EXPECT_EQ(image.height, 240);
  std::size_t lit = 0;
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4)
    if (image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2] > 60) ++lit;
  EXPECT_GT(lit, image.rgba.size() / 4 / 4);

  // Drawing does not steer play: the recording renderer reaches the same state.
  ReplayResult recorded = runner.Run(ReplayRunner::DefaultData(), kScreen + " --passes 80", script);
  ASSERT_EQ(recorded.exitCode, 0) << recorded.errors;
  EXPECT_EQ(recorded.stateText, first.stateText);
  EXPECT_EQ(recorded.traceText, first.traceText);
}

}  // namespace
}  // namespace vorantis
