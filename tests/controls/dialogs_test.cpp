#include "controls/dialogs.h"

#include <algorithm>

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

// Dialogs are loops of their own: the observer changes the keys before each poll,
// poll 1 being the play pass that opens the dialog.
class DialogTest : public ControlsTest {
 protected:
  DialogTest() {
    tg.OpenScreen();
    PlaceCursorOnScreenField(3, 3);
  }
  // Runs one play pass with the keys of each poll given in order; the last set
  // stays held for any later poll.
  void PlayPass(std::vector<std::vector<int>> keysPerPoll) {
    const int first = observer.polls + 1;
    observer.beforePoll = [this, first, keysPerPoll](int poll) {
      const std::size_t index = std::min<std::size_t>(poll - first, keysPerPoll.size() - 1);
      input.keyboard = {};
      for (int k : keysPerPoll[index]) Hold(k);
    };
    PollControls(game);
    observer.beforePoll = nullptr;
  }
  int Drawn(const std::string& text) const {
    return static_cast<int>(std::count_if(observer.texts.begin(), observer.texts.end(),
                                          [&](const RecordedText& t) { return t.text == text; }));
  }
};

TEST_F(DialogTest, QuitDialogDrawsItsLinesEachPassAndBEndsTheGame) {
  const int framesBefore = tg.engine->screen().presentedFrames();
  PlayPass({{key::kEscape}, {key::kEscape}, {key::kB}});
  EXPECT_EQ(game.play.gameState, kGameOver);
  EXPECT_EQ(observer.polls, 3);
  EXPECT_EQ(tg.engine->screen().presentedFrames() - framesBefore, 2);
  ASSERT_EQ(observer.texts.size(), 6u);
  const RecordedText expected[] = {
      {"  QUIT GAME ? |", 240, 120, 1, 255, 1},
      {"  PRESS B TO QUIT     |", 240, 240, 1, 255, 1},
      {"  PRESS X TO CONTINUE |", 240, 300, 1, 255, 1},
  };
  for (int i = 0; i < 3; ++i) {
    const RecordedText& t = observer.texts[i];
    EXPECT_EQ(t.text, expected[i].text);
    EXPECT_FLOAT_EQ(t.x, expected[i].x);
    EXPECT_FLOAT_EQ(t.y, expected[i].y);
    EXPECT_EQ(t.size, 1);
    EXPECT_EQ(t.alpha, 255);
    EXPECT_EQ(t.spacing, 1);
  }
  for (const auto& entry : tg.recorder()->entries())
    EXPECT_NE(entry.kind, RecordingRenderer::Kind::kClear) << "the dialog draws over the standing picture";
}

TEST_F(DialogTest, QuitDialogXReturnsToPlayAndAHeldPrimaryNeedsANewPress) {
  game.play.bombs = "&&";
  Polls(1);
  PlayPass({{key::kEscape}, {key::kSpace, key::kX}});
  EXPECT_EQ(game.play.gameState, kGameRunning);
  EXPECT_EQ(game.play.bombs, "&&");

  PlayPass({{key::kSpace}});
  PlayPass({{key::kSpace}});
  EXPECT_EQ(game.play.bombs, "&&") << "still the same press";
  PlayPass({{}});
  PlayPass({{key::kSpace}});
  EXPECT_EQ(game.play.bombs, "&");
}

TEST_F(DialogTest, PauseDialogBRestartsWithTheBankedScore) {
  game.play.totalScore = 500;
  game.play.bankedScore = 200;
  game.builtLevelNumber = 3;
  game.play.levelNumber = 3;
  PlayPass({{key::kP}, {key::kB}});
  EXPECT_EQ(game.builtLevelNumber, -1);
  EXPECT_EQ(game.play.totalScore, 200);
  EXPECT_EQ(game.play.gameState, kGameRunning);
  EXPECT_EQ(Drawn("  GAME PAUSED |"), 1);
  ASSERT_GE(observer.texts.size(), 3u);
  EXPECT_FLOAT_EQ(observer.texts[0].x, 320);
  EXPECT_EQ(observer.texts[1].text, "  PRESS X TO CONTINUE |");
  EXPECT_FLOAT_EQ(observer.texts[1].y, 180);
  EXPECT_EQ(observer.texts[2].text, "  PRESS B TO RESTART  |");
  EXPECT_FLOAT_EQ(observer.texts[2].y, 240);
}

TEST_F(DialogTest, PauseDialogXChangesNothing) {
  game.play.totalScore = 500;
  game.play.bankedScore = 200;
  game.builtLevelNumber = 3;
  PlayPass({{key::kP}, {}, {}, {key::kX}});
  EXPECT_EQ(game.builtLevelNumber, 3);
  EXPECT_EQ(game.play.totalScore, 500);
  EXPECT_EQ(Drawn("  GAME PAUSED |"), 3);
  EXPECT_FALSE(game.controls.dialogOpen);
}

TEST_F(DialogTest, HeldPOrEscOpensNoSecondDialogAndOneAnswerCloses) {
  PlayPass({{key::kP}, {key::kP}, {key::kP, key::kEscape}, {key::kEscape}, {key::kB}});
  EXPECT_EQ(observer.polls, 5);
  EXPECT_EQ(Drawn("  GAME PAUSED |"), 4);
  EXPECT_EQ(Drawn("  QUIT GAME ? |"), 0);
  EXPECT_EQ(game.builtLevelNumber, -1) << "B answered the pause dialog";
  EXPECT_EQ(game.play.gameState, kGameRunning);

  PlayPass({{}});
  EXPECT_EQ(observer.polls, 6) << "no dialog left open";
  PlayPass({{key::kEscape}, {key::kX}});
  EXPECT_EQ(Drawn("  QUIT GAME ? |"), 1) << "a new dialog opens once the last one closed";
}

TEST_F(DialogTest, ControlsKeepWorkingWhileADialogIsOpen) {
  game.play.levelNumber = 2;
  PlayPass({{key::kP}, {key::kRight, key::kPageUp}, {key::kRight}, {key::kRight, key::kX}});
  // Three dialog passes step right, and the play pass resumes with the direction
  // last read: four fields in all.
  EXPECT_EQ(game.cursor.x, 7 * kTile);
  EXPECT_EQ(game.play.levelNumber, 3);
  EXPECT_EQ(game.play.gameState, kGameRunning);
}

TEST_F(DialogTest, GamepadButtonsNineAndTenOpenTheDialogsAndAnswerWithThreeAndOne) {
  UseGamepad();
  int step = 0;
  observer.beforePoll = [&](int) {
    input.pad.buttons = {};
    ++step;
    if (step == 1) input.SetButton(10, true);
    if (step == 2) input.SetButton(1, true);  // X: continue
    if (step == 3) input.SetButton(9, true);
    if (step == 4) input.SetButton(3, true);  // B: quit
  };
  Polls(1);
  EXPECT_EQ(Drawn("  GAME PAUSED |"), 1);
  EXPECT_EQ(game.play.gameState, kGameRunning);
  Polls(1);
  EXPECT_EQ(Drawn("  QUIT GAME ? |"), 1);
  EXPECT_EQ(game.play.gameState, kGameOver);
}

}  // namespace
}  // namespace vorantis::testing
