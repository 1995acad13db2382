#include "controls/dialogs.h"

#include <algorithm>
#include <stdexcept>

#include "controls_fixture.h"

namespace vorantis::testing {
namespace {

// Dialogs are loops of their own: the keys change before each poll, the first poll
// being the play pass that opens the dialog.
class DialogTest : public ControlsTest {
 protected:
  DialogTest() {
    PlaceCursor(3, 3);
    game.play.timeLeft = 100;
    game.play.tilesLeft = 10;
    game.play.totalScore = 500;
    game.play.bankedScore = 200;
    game.level.builtLevelNumber = game.play.levelNumber = 3;
  }
  // A play pass that holds the keys of each poll from the next one on; the last set stays
  // held. A dialog still open a few polls past the script has missed its answer: it fails.
  void PlayPass(std::vector<std::vector<int>> keysPerPoll) {
    observer.beforePoll = [this, first = observer.polls + 1, keysPerPoll](int poll) {
      const std::size_t at = static_cast<std::size_t>(poll - first);
      if (at >= keysPerPoll.size() + 4)
        throw std::runtime_error("the dialog was still open 4 polls after the scripted answer");
      Hold(keysPerPoll[std::min(at, keysPerPoll.size() - 1)]);
    };
    PollControls(game);
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

// The replay tool's runs pin B in both dialogs (the quit through game over, the restart with
// the banked score), the stored trace the dialogs' lines and a picture shown per poll.
TEST_F(DialogTest, PauseDialogDrawsOverTheStandingPictureAndXChangesNothing) {
  PlayPass({{key::kP}, {}, {}, {key::kX}});
  for (const auto& entry : tg.recorder()->entries())
    EXPECT_NE(entry.kind, RecordingRenderer::Kind::kClear) << "the dialog draws over the standing picture";
  EXPECT_EQ(game.level.builtLevelNumber, 3);
  EXPECT_EQ(game.play.totalScore, 500);
}

TEST_F(DialogTest, DialogsDoNotNestAndTheControlsKeepWorkingInThem) {
  PlayPass({{key::kP},
            {key::kP, key::kRight, key::kPageUp},
            {key::kP, key::kEscape, key::kRight},
            {key::kEscape, key::kRight},
            {key::kRight, key::kX}});
  EXPECT_EQ(observer.polls, 5) << "one answer closed the only dialog";
  EXPECT_EQ(observer.Shown("  GAME PAUSED |"), 4);
  EXPECT_EQ(observer.Shown("  QUIT GAME ? |"), 0);
  EXPECT_FALSE(game.controls.dialogOpen);
  // Four dialog passes step right, and the play pass resumes with the direction last read.
  EXPECT_EQ(game.play.cursor.x, 8 * kTile);
  EXPECT_EQ(game.play.levelNumber, 4);
}

}  // namespace
}  // namespace vorantis::testing
