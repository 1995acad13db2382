// End-to-end runs of the replay tool on small data sets under tests/fixtures/replay.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/replay_runner.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;
using testing::ReplayResult;
using testing::ScratchFolder;

const std::string kFixtures = VORANTIS_SOURCE_DIR "/tests/fixtures/replay/";

// The data folder as the game sees it: its real path, with backslashes, escaped for JSON.
std::string JsonBaseDirectory(const fs::path& folder) {
  std::string out;
  for (char c : fs::canonical(folder).string()) out += c == '/' ? "\\\\" : std::string(1, c);
  return out + "\\\\";
}

// Runs the tool with the recording renderer unless the arguments choose one, and without an
// input script unless one is given.
class ReplayTool : public ::testing::Test {
 protected:
  ReplayResult Run(const std::string& data, const std::string& arguments, const std::string& script = "") {
    return runner_.Run(data, arguments, script, false);
  }
  testing::ReplayRunner runner_;
};

TEST_F(ReplayTool, FatalReportsEndTheRunWithTheirExactTextsAndExitCodeZero) {
  ScratchFolder empty;
  const std::string base = kFixtures + "self_create_missing";
  const std::pair<std::string, std::string> cases[] = {
      {empty.path().string(), "0,\"title\":\"ERROR \",\"text\":\" Could not open " +
                                  fs::canonical(empty.path()).string() + "/DATA/ini.txt\"}"},
      {kFixtures + "level_file_missing", R"(4,"title":"ERROR ","text":" Could not open topographic data"})"},
      {base, "5,\"title\":\"ERROR \",\"text\":\" Could not open:" + fs::canonical(base).string() +
                 "/DATA/missing.base\"}"},
  };
  for (const auto& [data, report] : cases) {
    ReplayResult run = Run(data, "--passes 5", "0 +SPACE\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.stateText.find(R"("end":{"kind":"report","exitCode":0,"code":)" + report),
              std::string::npos)
        << run.stateText;
    EXPECT_NE(run.stateText.find(R"("level":[])"), std::string::npos);  // fields not reached keep their start
  }
}

TEST_F(ReplayTool, SettingsDumpShowsValuesAsStored) {
  const std::string edges = kFixtures + "settings_edges";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {edges,
       {"\"MAPSIZE\":1024,", "\"CURSORSPEED\":255,", "\"cursorDelay\":0}",
        "\"USESELFCREATEBASE\":1,",                // 257 keeps its low 8 bits
        "\"RESOLUTION\":32,", "\"tileSize\":32,",  // "32x32"
        // The lower-case key and the pairs shifted by the blank line change nothing; the last line
        // is a key with an empty value.
        "\"MULTITASK\":3,", "\"WORLDREFRESH\":60,", "\"EGFXMAX\":0,",
        // A path key is prefixed with the base directory even when absolute; a text key is not.
        "\"SOUNDFXPATH\":\"" + JsonBaseDirectory(edges) + "C:\\\\SFX\\\\\",",
        "\"INGAMEMUSIC\":\"C:\\\\MUSIC\\\\\",",
        // Windows-1252 text comes out as UTF-8 (0xF6 is U+00F6, 0x80 is U+20AC), quotes escaped.
        "\"APPNAME\":\"\\\"Edge \xc3\xb6 \xe2\x82\xac\\\" run\","}},
      {kFixtures + "level_file_missing",
       {"\"MAPSIZE\":32,", "\"CURSORSPEED\":0,", "\"cursorDelay\":255}", "\"USESELFCREATEBASE\":2,"}},
  };
  for (const auto& [data, expected] : cases) {
    ReplayResult run = Run(data, "--passes 3", "0 +SPACE\n");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    for (const std::string& member : expected)
      EXPECT_NE(run.stateText.find(member), std::string::npos) << member;
  }
}

TEST_F(ReplayTool, BadScriptLinesAndOptionsAreRefused) {
  const std::string data = kFixtures + "tiny_generated";
  std::vector<ReplayResult> runs;
  // A bad script line is named by its number: the third, after a comment and a blank line.
  for (const std::string line :
       {"5 SPACE", "x +SPACE", "3 +PAD33", "4 +space", "-1 +UP", "2 +UP extra", "7"}) {
    runs.push_back(Run(data, "--passes 3", "# a comment\n\n" + line + "\n9 +UP\n"));
    EXPECT_NE(runs.back().errors.find("line 3"), std::string::npos) << line << ": " << runs.back().errors;
  }
  for (const char* options :
       {"--passes many", "--size 800", "--size 0x600", "--frames 1,x --out o", "--frames 3",
        "--renderer vulkan", "--frames 1 --out o --renderer record", "--unknown 1", "--monkey seven",
        "--monkey -1", "--monkey", "--monkey 1 --rss-every 0"})
    runs.push_back(Run(data, options));
  runs.push_back(Run(data, "--monkey 1", "0 +SPACE\n"));  // the monkey plays without a script
  for (const ReplayResult& run : runs) {
    EXPECT_EQ(run.exitCode, 2) << run.errors;
    EXPECT_FALSE(run.errors.empty());
    EXPECT_TRUE(run.stateText.empty()) << "nothing runs after a mistake: " << run.errors;
  }
  ReplayResult good =
      Run(data, "--passes 3", "# keys and pad\r\n0 +SPACE\r\n1\t-SPACE\n2 +PAD_LEFT\n2 +PAD32\n");
  EXPECT_EQ(good.exitCode, 0) << good.errors;
}

// Pass 0's input is what the title sees; while it still waits, each further title poll uses up
// one pass, so a key pressed at pass 3 lets the game start on pass 3.
TEST_F(ReplayTool, TitleWaitUsesUpPassesAndTheRunStopsAfterTheRequestedOnes) {
  const std::string data = kFixtures + "tiny_generated";
  ReplayResult run = Run(data, "--passes 12 --size 320x240", "3 +SPACE\n4 -SPACE\n");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_NE(run.stateText.find(R"({"end":{"kind":"running"},"passes":12,)"), std::string::npos)
      << run.stateText;
  EXPECT_NE(run.stateText.find(R"("screen":{"width":320,"height":240})"), std::string::npos);
  const std::string frames = std::to_string(std::count(run.traceText.begin(), run.traceText.end(), '\n'));
  EXPECT_NE(run.stateText.find("\"frames\":" + frames + ","), std::string::npos);  // one trace line each
  EXPECT_EQ(run.traceText.rfind(R"({"frame":1,"pass":3,)", 0), 0u) << run.traceText;
  EXPECT_NE(run.traceText.find("{\"frame\":" + frames + ",\"pass\":11,"), std::string::npos) << run.traceText;
  ReplayResult never = Run(data, "--passes 6");
  EXPECT_NE(never.stateText.find(R"({"end":{"kind":"running"},"passes":6,"frames":0,)"), std::string::npos)
      << never.stateText;
}

}  // namespace
}  // namespace vorantis
