#include <algorithm>
#include <map>

#include "app/startup.h"
#include "controls_fixture.h"
#include "core/program_end.h"

namespace vorantis::testing {
namespace {

// The dialogs' answers as the main loop carries them out in the passes that follow.
class DialogInMainLoopTest : public ControlsTest {
 protected:
  DialogInMainLoopTest() {
    tg.OpenScreen();
    game.play.timeLeft = 100;
    game.play.tilesLeft = 10;
  }
  void HoldOnPoll(int poll, std::vector<int> keys) { script[poll] = std::move(keys); }
  void RunScript() {
    observer.beforePoll = [this](int poll) {
      input.keyboard = {};
      auto found = script.find(poll);
      if (found != script.end())
        for (int k : found->second) Hold(k);
    };
  }
  int FirstText(const std::string& text) const {
    auto found = std::find_if(observer.texts.begin(), observer.texts.end(),
                              [&](const RecordedText& t) { return t.text == text; });
    return found == observer.texts.end() ? -1 : static_cast<int>(found - observer.texts.begin());
  }

  std::map<int, std::vector<int>> script;
};

TEST_F(DialogInMainLoopTest, QuitWithBRunsGameOverAtTheEndOfTheNextFrame) {
  HoldOnPoll(1, {key::kEscape});
  HoldOnPoll(2, {key::kB});
  RunScript();
  bool ended = false;
  try {
    MainLoopPass(game);
  } catch (const ProgramEnded& end) {
    ended = true;
    EXPECT_EQ(end.exitCode, 0);
  }
  EXPECT_TRUE(ended);
  EXPECT_EQ(observer.polls, 2);
  const int quit = FirstText("  QUIT GAME ? |");
  const int over = FirstText("  GAME OVER |");
  ASSERT_GE(quit, 0);
  EXPECT_GT(over, quit);
}

TEST_F(DialogInMainLoopTest, PauseWithBRebuildsAGeneratedLevelWithTheBankedScore) {
  game.settings.USESELFCREATEBASE = 1;
  game.settings.MAPSIZE = 8;
  game.level.baseWidth = 6;
  game.level.baseHeight = 6;
  game.play.levelNumber = 2;
  game.builtLevelNumber = 2;
  game.play.totalScore = 500;
  game.play.bankedScore = 200;
  SetField(0, 0, "MARKER", 0);
  HoldOnPoll(1, {key::kP});
  HoldOnPoll(2, {key::kB});
  RunScript();

  MainLoopPass(game);
  EXPECT_EQ(game.builtLevelNumber, -1);
  EXPECT_EQ(game.play.totalScore, 200);
  EXPECT_EQ(Str(game.matrix.At(0, 0).tileCode), "MARKER") << "nothing is built before the next pass";

  MainLoopPass(game);
  EXPECT_EQ(game.builtLevelNumber, 2);
  EXPECT_NE(Str(game.matrix.At(0, 0).tileCode), "MARKER");
  EXPECT_EQ(game.play.gameState, kGameRunning);
}

TEST_F(DialogInMainLoopTest, PauseWithBAndLevelFilesOnlyRestoresTheScore) {
  game.settings.USESELFCREATEBASE = 0;
  game.play.totalScore = 500;
  game.play.bankedScore = 200;
  SetField(0, 0, "MARKER", 0);
  HoldOnPoll(1, {key::kP});
  HoldOnPoll(2, {key::kB});
  RunScript();
  MainLoopPass(game);
  MainLoopPass(game);
  EXPECT_EQ(game.play.totalScore, 200);
  EXPECT_EQ(Str(game.matrix.At(0, 0).tileCode), "MARKER");
}

}  // namespace
}  // namespace vorantis::testing
