// The generated default data sets run through the replay tool, and runs repeat exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "e2e/replay_runner.h"
#include "engine/image.h"
#include "engine/platform/image_decoders.h"

namespace vorantis::testing {
namespace {

const std::string kStart = Tap(0, "SPACE");
const std::string kScreen = "--size 320x240";

// The stored trace pins the generated default data's start and Page Up.
TEST(DefaultData, TheLevelFileDataStartsOnAPlayableLevel) {
  ReplayRunner runner;
  ReplayResult run = runner.Run(ReplayRunner::LevelFileData(), kScreen + " --passes 4", kStart);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.EndKind(), "running");
  EXPECT_EQ(run.state["settings"]["USESELFCREATEBASE"].Int(), 0);
  EXPECT_GT(run.Count("tilesLeft"), 0);
  EXPECT_GT(run.Count("timeLeft"), 0);
  EXPECT_GT(run.Count("fieldObjects"), 0);
  ASSERT_EQ(run.state["level"].items.size(), static_cast<std::size_t>(run.Count("levelHeight") + 1));
  for (const Json& row : run.state["level"].items)
    EXPECT_EQ(row.items.size(), static_cast<std::size_t>(run.Count("levelWidth") + 1));
  const auto [column, row] = run.CursorField();
  EXPECT_EQ(run.Tile(column, row), "LAB_BLUE_FLOOR");
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
  ASSERT_GT(first.frames.size(), 150u);
  for (const char* name : {"frame-000001.png", "frame-000040.png", "frame-000150.png"}) {
    const std::string png = ReadFile(frames / "a" / name);
    ASSERT_EQ(png.rfind("\x89PNG\r\n\x1a\n", 0), 0u) << name;
    EXPECT_EQ(png, ReadFile(frames / "b" / name)) << name;
  }
  // A frame of play shows the labyrinth: a picture of the screen's size, far from black.
  const std::string play = ReadFile(frames / "a" / "frame-000040.png");
  Image image;
  ASSERT_TRUE(DecodePng(std::vector<std::uint8_t>(play.begin(), play.end()), image));
  EXPECT_EQ(std::pair(image.width, image.height), std::pair(320, 240));
  std::size_t lit = 0;
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4)
    lit += image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2] > 60;
  EXPECT_GT(lit, image.rgba.size() / 16);

  // Drawing does not steer play: the recording renderer reaches the same state.
  ReplayResult recorded = runner.Run(ReplayRunner::DefaultData(), kScreen + " --passes 80", script);
  EXPECT_EQ(recorded.stateText, first.stateText);
  EXPECT_EQ(recorded.traceText, first.traceText);
}

}  // namespace
}  // namespace vorantis::testing
