#include "app/startup.h"
#include "app/main_loop.h"

#include <gtest/gtest.h>

#include <filesystem>

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

  // A key held from the start leaves the title screen at once.
  static void HoldAKey(TestGame& t) { t.input->SetKey(0x39, true); }

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
};

TEST_F(InFolder, MissingConfigurationIsReportedWithItsFullPath) {
  TestGame t;
  ProgramEnded ended = StartUpExpectingEnd(t);
  EXPECT_TRUE(ended.reported);
  EXPECT_EQ(ended.exitCode, 0);
  EXPECT_EQ(ended.reportCode, 0);
  EXPECT_EQ(ended.title, "ERROR ");
  EXPECT_EQ(ended.text, " Could not open " + (std::filesystem::current_path() / "DATA/ini.txt").string());
  ASSERT_EQ(t.display->messages().size(), 1u);
  EXPECT_EQ(t.display->messages()[0].first, "ERROR ");
  EXPECT_EQ(t.display->messages()[0].second, ended.text);
}

TEST_F(InFolder, MissingSelfCreateBaseNamesThePathAfterTheColon) {
  folder_.Write("DATA/ini.txt", Lines({"USESELFCREATEBASE", "1", "SELFCREATEBASE", "DATA\\base.txt"}));
  TestGame t;
  ProgramEnded ended = StartUpExpectingEnd(t);
  EXPECT_EQ(ended.reportCode, 5);
  EXPECT_EQ(ended.text, " Could not open:" + (std::filesystem::current_path() / "DATA/base.txt").string());
}

TEST_F(InFolder, MissingLevelFileNamesNoFile) {
  folder_.Write("DATA/ini.txt", Lines({"APPENTRY", "LEVELS\\", "APPSTART", "WORLD"}));
  TestGame t;
  ProgramEnded ended = StartUpExpectingEnd(t);
  EXPECT_EQ(ended.reportCode, 4);
  EXPECT_EQ(ended.text, " Could not open topographic data");
}

TEST_F(InFolder, WindowAndScreenFailuresAreReported) {
  folder_.Write("DATA/ini.txt", Lines({"APPNAME", "Vorantis"}));
  TestGame noWindow;
  noWindow.display->failWindow = true;
  EXPECT_EQ(StartUpExpectingEnd(noWindow).text, " Could not open window");
  TestGame noScreen;
  noScreen.display->failScreen = true;
  EXPECT_EQ(StartUpExpectingEnd(noScreen).text, " Could not open screen");
}

TEST_F(InFolder, StartUpTakesTheDesktopAndTheConfiguration) {
  folder_.Write("DATA/ini.txt", Lines({"APPNAME", "Vorantis", "RESBASEW", "800", "USESELFCREATEBASE", "1",
                                       "SELFCREATEBASE", "base.txt"}));
  folder_.Write("base.txt", Lines({"x", "8", "6", "x", "x"}));
  TestGame t(1600, 900);
  HoldAKey(t);
  StartUp(*t.game);
  EXPECT_EQ(t.game->baseDirectory, CurrentDirectoryWithBackslash());
  EXPECT_EQ(t.display->windowTitle(), "Vorantis");
  EXPECT_FLOAT_EQ(t.game->screenWidth, 1600.0f);
  EXPECT_FLOAT_EQ(t.game->screenHeight, 900.0f);
  EXPECT_FLOAT_EQ(t.game->objectScale, 2.0f);
  EXPECT_EQ(t.game->gamepadPresent, 0);
  EXPECT_EQ(t.game->level.builtLevelNumber, t.game->play.levelNumber);
}

TEST_F(InFolder, DesignWidthOfZeroKeepsObjectsAtTheirSize) {
  folder_.Write("DATA/ini.txt",
                Lines({"RESBASEW", "0", "USESELFCREATEBASE", "1", "SELFCREATEBASE", "base.txt"}));
  folder_.Write("base.txt", Lines({"x", "8", "6", "x", "x"}));
  TestGame t(1600, 900);
  HoldAKey(t);
  StartUp(*t.game);
  EXPECT_FLOAT_EQ(t.game->objectScale, 1.0f);
}

TEST_F(InFolder, GamepadAttachedAtStartSelectsIt) {
  folder_.Write("DATA/ini.txt", Lines({"USESELFCREATEBASE", "1", "SELFCREATEBASE", "base.txt"}));
  folder_.Write("base.txt", Lines({"x", "8", "6", "x", "x"}));
  TestGame t;
  t.input->padAttached = true;
  // START pressed on the title screen, then let go.
  struct LetGoOfStart : testing::RecordingObserver {
    void OnTitleWait() override {
      RecordingObserver::OnTitleWait();
      input->SetButton(10, titleWaits == 1);
    }
    ScriptedInput* input = nullptr;
  } observer;
  observer.input = t.input;
  t.game->observer = &observer;
  StartUp(*t.game);
  EXPECT_EQ(t.game->gamepadPresent, 1);
  EXPECT_EQ(observer.titleWaits, 2);
}

// The rebuild rule of the main loop, on a game whose level was just built.
class MainLoop : public ::testing::Test {
 protected:
  MainLoop() {
    t_.OpenScreen();
    t_.game->settings.USESELFCREATEBASE = 1;
    t_.game->play.tilesLeft = 5;  // keeps the frame from completing the level
    t_.game->play.timeLeft = 30;
  }
  TestGame t_;
};

TEST_F(MainLoop, LevelJustBuiltIsNotBuiltAgain) {
  t_.game->level.builtLevelNumber = t_.game->play.levelNumber;
  MainLoopPass(*t_.game);
  EXPECT_EQ(t_.game->play.levelIntroPending, 0);
}

TEST_F(MainLoop, RestartRebuildsTheCurrentLevel) {
  t_.game->play.levelNumber = 3;
  t_.game->level.builtLevelNumber = -1;
  MainLoopPass(*t_.game);
  EXPECT_EQ(t_.game->level.builtLevelNumber, 3);
  EXPECT_EQ(t_.game->play.levelIntroPending, 1);
}

TEST_F(MainLoop, LevelFilesAreNeverRebuilt) {
  t_.game->settings.USESELFCREATEBASE = 0;
  t_.game->level.builtLevelNumber = 0;
  t_.game->play.levelNumber = 2;
  MainLoopPass(*t_.game);
  EXPECT_EQ(t_.game->level.builtLevelNumber, 0);
  EXPECT_EQ(t_.game->play.levelIntroPending, 0);
}

TEST_F(MainLoop, EachPassSleepsTheConfiguredDelay) {
  t_.game->level.builtLevelNumber = t_.game->play.levelNumber;
  t_.game->settings.MULTITASK = 20;
  std::uint32_t before = t_.clock->TickCount();
  MainLoopPass(*t_.game);
  EXPECT_GE(t_.clock->TickCount() - before, 20u);
}

TEST(EndProgram, UnwindsWithExitCodeZero) {
  TestGame t;
  try {
    EndProgram(*t.game);
    FAIL() << "EndProgram returned";
  } catch (const ProgramEnded& ended) {
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_FALSE(ended.reported);
  }
}

}  // namespace
}  // namespace vorantis
