// The replay tool's monkey: seeded random input, game after game, and the soak that
// runs it long enough to find what short scripted games do not.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "robust/robust_runs.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::ToolOutcome;

long long Member(const std::string& state, const std::string& name) {
  std::smatch match;
  if (!std::regex_search(state, match, std::regex("\"" + name + "\":(-?[0-9]+)"))) return -1;
  return std::stoll(match[1]);
}

ToolOutcome Monkey(const fs::path& work, const std::string& seed, long passes,
                   std::vector<std::string> more = {}) {
  std::vector<std::string> arguments{"--renderer", "record",   "--monkey",
                                     seed,         "--passes", std::to_string(passes)};
  arguments.insert(arguments.end(), more.begin(), more.end());
  return testing::RunReplayTool(arguments, work, {110, 2048});  // inside the two minutes CTest gives a test
}

TEST(MonkeyOption, TheSameSeedPlaysTheSameGamesAndAnotherSeedOthers) {
  ScratchFolder scratch;
  std::vector<ToolOutcome> runs;
  std::vector<std::string> traces;
  for (const char* seed : {"5", "5", "6"}) {
    const fs::path work = scratch.path() / std::to_string(runs.size());
    runs.push_back(Monkey(work, seed, 3000, {"--trace", (work / "trace").string(), "--rss-every", "1000"}));
    ASSERT_TRUE(runs.back().Clean()) << runs.back().Describe();
    traces.push_back(testing::ReadText(work / "trace"));
  }
  EXPECT_EQ(runs[0].state, runs[1].state);
  EXPECT_EQ(traces[0], traces[1]);
  EXPECT_NE(traces[0], traces[2]);
  EXPECT_EQ(Member(runs[0].state, "passes"), 3000);
  EXPECT_GE(Member(runs[0].state, "games"), 2) << "a game ended and the next one started";
  // Frames count on across games: the trace's last line is the state's frame count.
  const auto lastLine = traces[0].rfind("{\"frame\":");
  EXPECT_EQ(Member(traces[0].substr(lastLine), "frame"), Member(runs[0].state, "frames"));

  // Memory samples, on standard output, leave the state and trace alone.
  const std::regex line("rss passes=([0-9]+) games=[0-9]+ kB=[1-9][0-9]*\n");
  std::vector<long> passes;
  for (std::sregex_iterator it(runs[0].output.begin(), runs[0].output.end(), line), end; it != end; ++it) {
    passes.push_back(std::stol((*it)[1]));
  }
  EXPECT_EQ(passes, (std::vector<long>{1000, 2000, 3000})) << runs[0].output;
}

using Soak = std::pair<std::string, bool>;  // a seed, and whether the monkey plays with a gamepad
class MonkeySoak : public ::testing::TestWithParam<Soak> {};

// Long enough for several games, with level changes, dialogs and restarts between.
TEST_P(MonkeySoak, PlaysGameAfterGameCleanly) {
  constexpr long kPasses = 10000;
  ScratchFolder scratch;
  std::vector<std::string> more;
  const auto& [seed, gamepad] = GetParam();
  if (gamepad) more.push_back("--gamepad");
  const ToolOutcome outcome = Monkey(scratch.path(), seed, kPasses, more);
  ASSERT_TRUE(outcome.Clean()) << "seed " << seed << ": " << outcome.Describe();
  EXPECT_EQ(Member(outcome.state, "passes"), kPasses);
  EXPECT_GE(Member(outcome.state, "games"), 2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeySoak,
                         ::testing::Values(Soak{"1", false}, Soak{"2", false}, Soak{"3", true}),
                         [](const auto& info) {
                           return (info.param.second ? "Gamepad" : "Keyboard") + info.param.first;
                         });

}  // namespace
}  // namespace vorantis
