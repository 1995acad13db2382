#include "controls/dialogs.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

#include "app/main_loop.h"
#include "controls_fixture.h"
#include "core/program_end.h"

namespace vorantis::testing {
namespace {

// Dialogs are loops of their own: the keys change before each poll, the first poll
// being the play pass that opens the dialog.
class DialogTest : public ControlsTest {
 protected:
  DialogTest() {
    tg.OpenScreen();
    PlaceCursor(3, 3);
    game.play.timeLeft = 100;
    game.play.tilesLeft = 10;
    game.play.totalScore = 500;
    game.play.bankedScore = 200;
    game.level.builtLevelNumber = game.play.levelNumber = 3;
  }
  // Holds the keys of each poll from the next one on; the last set stays held. A dialog
  // still open a few polls past the script has missed its answer: the run fails there.
  void Script(std::vector<std::vector<int>> keysPerPoll) {
    observer.beforePoll = [this, first = observer.polls + 1, keysPerPoll](int poll) {
      const std::size_t at = static_cast<std::size_t>(poll - first);
      if (at >= keysPerPoll.size() + 4)
        throw std::runtime_error("the dialog was still open 4 polls after the scripted answer");
      Hold(keysPerPoll[std::min(at, keysPerPoll.size() - 1)]);
    };
  }
  void PlayPass(std::vector<std::vector<int>> keysPerPoll) {
    Script(std::move(keysPerPoll));
    PollControls(game);
  }
  int Drawn(const std::string& text) const {
    return static_cast<int>(std::count_if(observer.texts.begin(), observer.texts.end(),
                                          [&](const RecordedText& t) { return t.text == text; }));
  }
  void ExpectLines(const std::vector<RecordedText>& lines) {
    ASSERT_GE(observer.texts.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const RecordedText& t = observer.texts[i];
      EXPECT_EQ(std::tie(t.text, t.size, t.alpha, t.spacing), std::make_tuple(lines[i].text, 1.f, 255, 1.f));
      EXPECT_EQ(std::make_pair(std::lround(t.x), std::lround(t.y)),
                std::make_pair(std::lround(lines[i].x), std::lround(lines[i].y)))
          << t.text;
    }
  }
};

TEST_F(DialogTest, QuitDialogXReturnsToPlayAndAHeldPrimaryNeedsANewPress) {
  game.play.bombs = "&&";
  Polls(1);
  PlayPass({{key::kEscape}, {key::kSpace, key::kX}});
  EXPECT_EQ(game.play.gameState, kGameRunning);
  PlayPass({{key::kSpace}});
  PlayPass({{key::kSpace}});
  EXPECT_EQ(game.play.bombs, "&&") << "still the same press";
  PlayPass({{}});
  PlayPass({{key::kSpace}});
  EXPECT_EQ(game.play.bombs, "&");
}

TEST_F(DialogTest, PauseDialogXChangesNothingAndBRestartsWithTheBankedScore) {
  const int framesBefore = tg.engine->screen().presentedFrames();
  PlayPass({{key::kP}, {}, {}, {key::kX}});
  EXPECT_EQ(Drawn("  GAME PAUSED |"), 3);
  EXPECT_EQ(tg.engine->screen().presentedFrames() - framesBefore, 3);
  for (const auto& entry : tg.recorder()->entries())
    EXPECT_NE(entry.kind, RecordingRenderer::Kind::kClear) << "the dialog draws over the standing picture";
  EXPECT_EQ(game.level.builtLevelNumber, 3);
  EXPECT_EQ(game.play.totalScore, 500);
  ExpectLines({{"  GAME PAUSED |", 320, 120},
               {"  PRESS X TO CONTINUE |", 240, 180},
               {"  PRESS B TO RESTART  |", 240, 240}});

  PlayPass({{key::kP}, {key::kB}});
  EXPECT_EQ(game.level.builtLevelNumber, -1);
  EXPECT_EQ(game.play.totalScore, 200);
  EXPECT_EQ(game.play.gameState, kGameRunning);
}

TEST_F(DialogTest, DialogsDoNotNestAndTheControlsKeepWorkingInThem) {
  PlayPass({{key::kP},
            {key::kP, key::kRight, key::kPageUp},
            {key::kP, key::kEscape, key::kRight},
            {key::kEscape, key::kRight},
            {key::kRight, key::kX}});
  EXPECT_EQ(observer.polls, 5) << "one answer closed the only dialog";
  EXPECT_EQ(Drawn("  GAME PAUSED |"), 4);
  EXPECT_EQ(Drawn("  QUIT GAME ? |"), 0);
  EXPECT_FALSE(game.controls.dialogOpen);
  // Four dialog passes step right, and the play pass resumes with the direction last read.
  EXPECT_EQ(game.play.cursor.x, 8 * kTile);
  EXPECT_EQ(game.play.levelNumber, 4);
}

TEST_F(DialogTest, QuitDialogDrawsEachPassAndBEndsThroughGameOverAtTheEndOfTheFrame) {
  Script({{key::kEscape}, {key::kEscape}, {key::kB}});
  try {
    MainLoopPass(game);
    ADD_FAILURE() << "the program did not end";
  } catch (const ProgramEnded& end) {
    EXPECT_EQ(end.exitCode, 0);
  }
  EXPECT_EQ(observer.polls, 3);
  EXPECT_EQ(Drawn("  QUIT GAME ? |"), 2);
  ExpectLines({{"  QUIT GAME ? |", 240, 120},
               {"  PRESS B TO QUIT     |", 240, 240},
               {"  PRESS X TO CONTINUE |", 240, 300}});
  EXPECT_EQ(observer.texts.back().text, "  GAME OVER |") << "at the end of the same frame";
}

}  // namespace
}  // namespace vorantis::testing
