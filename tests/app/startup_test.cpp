#include "app/startup.h"
#include "app/main_loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <tuple>
#include <utility>

#include "core/program_end.h"
#include "engine/files.h"
#include "support/recording_observer.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::Lines;
using testing::ScratchFolder;
using testing::TestGame;

// Runs start-up in a folder of its own, as the game does in its data folder.
class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  // A key held from the start leaves the title screen at once; the observer bounds the wait.
  void HoldAKey(TestGame& t) {
    t.input->SetKey(0x39, true);
    t.game->observer = &observer_;
  }

  ProgramEnded StartUpExpectingEnd(TestGame& t) {
    HoldAKey(t);
    try {
      StartUp(*t.game);
    } catch (const ProgramEnded& ended) {
      return ended;
    }
    ADD_FAILURE() << "start-up did not end the program";
    return {};
  }

  ScratchFolder folder_;
  std::filesystem::path previous_;
  testing::RecordingObserver observer_;
};

// The replay tool's tests cover the reports a data folder can give; the window and the
// screen can only fail here.
TEST_F(InFolder, MissingConfigurationAndFailedWindowOrScreenAreReported) {
  TestGame t;
  ProgramEnded ended = StartUpExpectingEnd(t);
  EXPECT_TRUE(ended.reported);
  EXPECT_EQ(std::tuple(ended.exitCode, ended.reportCode, ended.title), std::tuple(0, 0, "ERROR "));
  EXPECT_EQ(ended.text, " Could not open " + (std::filesystem::current_path() / "DATA/ini.txt").string());
  ASSERT_EQ(t.display->messages().size(), 1u);
  EXPECT_EQ(t.display->messages()[0], std::pair(ended.title, ended.text));

  folder_.Write("DATA/ini.txt", Lines({"APPNAME", "Vorantis"}));
  TestGame noWindow;
  noWindow.display->failWindow = true;
  EXPECT_EQ(StartUpExpectingEnd(noWindow).text, " Could not open window");
  TestGame noScreen;
  noScreen.display->failScreen = true;
  EXPECT_EQ(StartUpExpectingEnd(noScreen).text, " Could not open screen");
}

TEST_F(InFolder, StartUpTakesTheDesktopAndADesignWidthOfZeroOrBelowKeepsObjectsAtTheirSize) {
  folder_.Write("base.txt", Lines({"x", "8", "6", "x", "x"}));
  for (auto [designWidth, scale] : {std::pair{"800", 2.0f}, {"0", 1.0f}, {"-5", 1.0f}}) {
    folder_.Write("DATA/ini.txt", Lines({"APPNAME", "Vorantis", "RESBASEW", designWidth, "USESELFCREATEBASE",
                                         "1", "SELFCREATEBASE", "base.txt"}));
    TestGame t(1600, 900);
    HoldAKey(t);
    StartUp(*t.game);
    EXPECT_EQ(t.game->baseDirectory, CurrentDirectoryWithBackslash());
    EXPECT_EQ(t.display->windowTitle(), "Vorantis");
    EXPECT_EQ(std::pair(t.game->screenWidth, t.game->screenHeight), std::pair(1600.0f, 900.0f));
    EXPECT_FLOAT_EQ(t.game->objectScale, scale) << designWidth;
    EXPECT_EQ(t.game->level.builtLevelNumber, t.game->play.levelNumber);
  }
}

// The replay tool's runs pin the main loop's rebuild rule; not its pause.
TEST(MainLoop, EveryPassSleepsMultitaskMilliseconds) {
  TestGame t;
  t.OpenScreen();
  Game& game = *t.game;
  game.settings.MULTITASK = 20;
  game.play.tilesLeft = 5;  // keeps the frame from completing the level
  game.play.timeLeft = 30;
  const std::uint32_t before = t.clock->TickCount();
  MainLoopPass(game);
  EXPECT_GE(t.clock->TickCount() - before, 20u);
}

}  // namespace
}  // namespace vorantis
