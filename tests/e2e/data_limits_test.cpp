// Settings and data files at the ends of their range, played through the replay tool on
// copies of the generated data: each run must reach its last pass in bounded memory.
// Before, these crashed in the first frame, never finished starting, never finished a
// frame, or ended the game through a counter that wrapped.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "e2e/replay_runner.h"
#include "engine/image.h"
#include "engine/platform/image_decoders.h"

namespace vorantis::testing {
namespace {

constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
// The game's own runs stay near 200 MB (GL) or far below (recording), a few times that
// under the sanitizers; the faults grew without bound or by hundreds of megabytes a frame.
constexpr long kPeakKilobytes = 1024 * 1024;

using Keys = std::vector<std::pair<std::string, std::string>>;

void ExpectRanToTheEnd(const ReplayResult& run, int passes, const std::string& what) {
  EXPECT_FALSE(run.timedOut) << what;
  EXPECT_EQ(run.exitCode, 0) << what << ": " << run.errors;
  EXPECT_EQ(run.EndKind(), "running") << what;
  EXPECT_EQ(run.Count("passes"), passes) << what;
  EXPECT_LT(run.peakKilobytes, kPeakKilobytes) << what;
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Writes the level-file data's level as `width` + 1 columns of `height` + 1 fields, each floor
// or wall, with every field opaque.
template <typename IsFloor>
void WriteLevel(const std::string& data, int width, int height, IsFloor isFloor) {
  std::string level =
      "VORANTIS LEVEL\r\n" + std::to_string(width) + "\r\n" + std::to_string(height) + "\r\n0\r\n0\r\n";
  std::string opacity = "a\r\nb\r\nc\r\nd\r\ne\r\n";
  for (int column = 0; column <= width; ++column) {
    for (int row = 0; row <= height; ++row) {
      level += isFloor(column, row) ? "LAB_\r\nFLO\r\nOR\r\n" : "70\r\n70\r\n100\r\n";
      opacity += "255\r\n";
    }
  }
  Write(data + "/LEVELS/VALE.ai42", level);
  Write(data + "/LEVELS/VALE.red", opacity);
}

// Tile sizes that show no field: nothing is visited or drawn and the cursor is blocked,
// so no floor turns blue. A size of 1e-7 crashed in the first frame, 0.01 never finished
// one, and 1e39 (read as infinity) reached an undefined conversion.
TEST(DataLimits, TileSizesThatShowNoFieldPlayOnWithTheCursorBlocked) {
  ReplayRunner runner;
  const std::string script = Tap(0, "SPACE") + Tap(5, "RIGHT", 20) + Tap(30, "DOWN", 20);
  for (const char* size : {"0.0000001", "0.01", "1e39"}) {
    const std::string data = runner.CopyOf(ReplayRunner::DefaultData(), {{"RESOLUTION", size}});
    const ReplayResult run = runner.Run(data, "--passes 60", script);
    ExpectRanToTheEnd(run, 60, size);
    EXPECT_EQ(run.stateText.find("LAB_BLUE_FLOOR"), std::string::npos) << size;
    EXPECT_TRUE(run.Showed(" SCORE 0|")) << size;  // the frames still end with the HUD
  }
}

// The zoom grabbed FULLSCREENZOOM times the screen into a buffer of that size on every
// frame (zoom 10 at 800 x 600: 700 MB; zoom 40 never finished). Now the grab costs no more
// than the back buffer, and what lies off it shows black.
TEST(DataLimits, ZoomsFarAboveOneStayWithinTheBackBuffersCostAndShowBlackBeyondIt) {
  ReplayRunner runner;
  for (const char* zoom : {"10", "40"}) {
    const std::string data = runner.CopyOf(ReplayRunner::DefaultData(), {{"FULLSCREENZOOM", zoom}});
    const std::string frames = (runner.scratch() / (std::string("frames") + zoom)).string();
    const ReplayResult run = runner.Run(
        data, "--size 320x240 --passes 20 --renderer gl --frames 15 --out '" + frames + "'", Tap(0, "SPACE"));
    ExpectRanToTheEnd(run, 20, zoom);
    const std::string png = ReplayRunner::ReadFile(frames + "/frame-000015.png");
    Image image;
    ASSERT_TRUE(DecodePng(std::vector<std::uint8_t>(png.begin(), png.end()), image)) << zoom;
    // Screen x 40 and beyond show grab x 400 and beyond: off the 320-pixel buffer. The band
    // between the HUD lines holds nothing but the zoomed picture.
    std::size_t lit = 0;
    for (int y = 72; y < 210; ++y)
      for (int x = 40; x < 320; ++x) {
        const std::size_t i = (static_cast<std::size_t>(y) * 320 + static_cast<std::size_t>(x)) * 4;
        lit += image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2] > 0;
      }
    EXPECT_EQ(lit, 0u) << zoom;
  }
}

// EGFXMAX 2147483647 listed and loaded the effect folder that many times over: start-up
// never ended. The passes now stop at 256, each file loaded once.
TEST(DataLimits, TheLargestEffectCountStartsAndPlays) {
  ReplayRunner runner;
  const std::string data =
      runner.CopyOf(ReplayRunner::DefaultData(), {{"EGFXMAX", std::to_string(kHighest)}});
  const ReplayResult run = runner.Run(data, "--passes 20", Tap(0, "SPACE"));
  ExpectRanToTheEnd(run, 20, "EGFXMAX");
}

// A glyph line of 4 MiB loaded a picture per character: start-up did not end in 40 s.
TEST(DataLimits, AGlyphLineOfFourMebibytesStartsAndPlays) {
  ReplayRunner runner;
  const std::string data = runner.CopyOf(ReplayRunner::DefaultData(), {{"FONTSYSTEM", "DATA\\long.txt"}});
  const std::string characters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.:-&\xF6|";
  std::string line;
  while (line.size() < 4u << 20) line += characters;
  Write(data + "/DATA/long.txt", line + "\r\n");
  const ReplayResult run = runner.Run(data, "--passes 20", Tap(0, "SPACE"));
  ExpectRanToTheEnd(run, 20, "glyph line");
  EXPECT_TRUE(run.Showed(" SCORE 0|"));
}

// A level file of 2 x 1101 fields: column 0 wall, column 1 floor. Only rows 0..1024 are
// kept, but the file is walked with its own height, so column 1 is floor from top to bottom;
// it used to start 76 rows early, on the walls of column 0.
TEST(DataLimits, ALevelFileHigherThanTheLargestLevelKeepsItsColumnsInPlace) {
  ReplayRunner runner;
  const std::string data = runner.CopyOf(ReplayRunner::LevelFileData(), {});
  WriteLevel(data, 1, 1100, [](int column, int) { return column == 1; });
  const ReplayResult run = runner.Run(data, "--passes 3", Tap(0, "SPACE"));
  ExpectRanToTheEnd(run, 3, "level file");
  ASSERT_EQ(std::pair(run.Count("levelWidth"), run.Count("levelHeight")), std::pair(1, 1024));
  int walls = 0, floors = 0;
  for (int row = 0; row <= 1024; ++row) {
    walls += run.Tile(0, row) == "7070100";
    floors += run.Tile(1, row) == "LAB_FLOOR";
  }
  EXPECT_EQ(walls, 1025);
  EXPECT_EQ(floors, 1024);  // the start field (1, 0) is blue
  EXPECT_EQ(run.Tile(1, 0), "LAB_BLUE_FLOOR");
}

// A fixed floor worth 2147483647, fixed twice, and a clock on every floor field giving as
// much time on every touch, with the countdown stepping on every frame: the score and the
// time stop at the top. The time used to wrap negative and end the game on the first frame.
TEST(DataLimits, ScoreAndTimeFromTheLargestValuesStopAtTheTop) {
  ReplayRunner runner;
  const std::string data =
      runner.CopyOf(ReplayRunner::LevelFileData(), {{"WORLDREFRESH", "0"}, {"CURSORSPEED", "255"}});
  // Walls around 8 x 2 floor fields (tiles left: 16 / 4); the cursor starts on (1, 1).
  WriteLevel(data, 9, 3,
             [](int column, int row) { return column >= 1 && column <= 8 && row >= 1 && row <= 2; });
  std::ofstream(data + "/TILEDEFS/VALE/LAB_FIXED_FLOOR", std::ios::binary | std::ios::app)
      << "VALUE1\r\n2147483647\r\n";
  std::ofstream(data + "/WORLD/clock.dll", std::ios::binary | std::ios::app)
      << "DDENSITY\r\n0\r\nDKILLONCOLLISION\r\n0\r\nDEXTRATIME\r\n2147483647\r\n";
  // Right, down and left colour the square (1, 1)..(2, 2), which fixes two of its fields
  // (the first left step at view origin 0 only shifts the view).
  const std::string script =
      Tap(0, "SPACE") + Tap(2, "RIGHT") + Tap(4, "DOWN") + Tap(6, "LEFT") + Tap(8, "LEFT");
  const ReplayResult run = runner.Run(data, "--passes 12", script);
  ExpectRanToTheEnd(run, 12, "largest values");
  EXPECT_EQ(run.Tile(1, 1), "LAB_FIXED_FLOOR");
  EXPECT_EQ(run.Tile(2, 1), "LAB_FIXED_FLOOR");
  EXPECT_EQ(run.Count("gameState"), 19);
  EXPECT_EQ(run.state["totalScore"].number, kHighest);
  EXPECT_GT(run.state["timeLeft"].number, kHighest - 20.0);
}

}  // namespace
}  // namespace vorantis::testing
