#include <gtest/gtest.h>

#include <cmath>

#include "core/program_end.h"
#include "play/hud.h"
#include "play/play_fixture.h"
#include "present/credits.h"

namespace vorantis::testing {
namespace {

using HudTest = PlayTest;

TEST_F(HudTest, CountdownStepsEveryRefreshPlusOneFrames) {
  game.settings.WORLDREFRESH = 2;
  game.play.timeLeft = 20;
  for (int frame = 0; frame < 9; ++frame) StepTimer(game, -1);
  EXPECT_EQ(game.play.timeLeft, 17);
  StepTimer(game, 0);  // only +1 and -1 count frames
  EXPECT_EQ(game.play.timerFrames, 0);
  game.settings.WORLDREFRESH = 0;
  StepTimer(game, -1);
  EXPECT_EQ(game.play.timeLeft, 16);
}

TEST_F(HudTest, TicksOnTheLastTenStepsAndTheStepBelowZeroEndsTheGame) {
  game.play.timeLeft = 11;
  ChangeTime(game, -1);
  EXPECT_EQ(CountSounds(kTickSound), 1);  // 10
  for (int step = 0; step < 9; ++step) ChangeTime(game, -1);
  EXPECT_EQ(game.play.timeLeft, 1);
  EXPECT_EQ(CountSounds(kTickSound), 10);
  ChangeTime(game, -1);
  EXPECT_EQ(game.play.timeLeft, 0);
  EXPECT_EQ(CountSounds(kTickSound), 10);
  EXPECT_EQ(game.play.gameState, kGameRunning);
  ChangeTime(game, -1);
  EXPECT_EQ(game.play.timeLeft, -1);
  EXPECT_EQ(CountSounds(kTickSound), 10);
  EXPECT_EQ(game.play.gameState, kGameOver);
}

TEST_F(HudTest, TextsInOrderWithTheirPlacesAndAlphas) {
  game.play.totalScore = 12;
  game.play.timeLeft = 30;
  game.play.bombs = "&&";
  game.play.tilesLeft = 40;
  game.play.levelNumber = 3;
  DrawHud(game);
  ASSERT_EQ(observer.texts.size(), 7u);
  const auto& t = observer.texts;
  EXPECT_EQ(t[0].text, " SCORE 12|");
  EXPECT_FLOAT_EQ(t[0].x, 560);
  EXPECT_FLOAT_EQ(t[0].y, 30);
  EXPECT_EQ(t[1].text, " TIME 30|");
  EXPECT_FLOAT_EQ(t[1].x, 48);
  EXPECT_EQ(t[2].text, " \xF6\xF6\xF6 |");
  EXPECT_EQ(t[2].alpha, 200);
  EXPECT_FLOAT_EQ(t[2].y, 6);
  EXPECT_EQ(t[3].text, " &&|");
  EXPECT_EQ(t[3].alpha, 240);
  EXPECT_EQ(t[4].text, " TILES LEFT 40|");
  EXPECT_FLOAT_EQ(t[4].y, 60);
  EXPECT_EQ(t[5].text, " MAP 3|");
  EXPECT_EQ(t[6].text, kDemoNotice);
  EXPECT_FLOAT_EQ(t[6].x, 800);
  EXPECT_FLOAT_EQ(t[6].y, 540);
  EXPECT_FLOAT_EQ(t[6].size, 0.8f);
  EXPECT_EQ(game.play.noticeOffset, 2);
}

TEST_F(HudTest, ScoreCountsUpOnePointPerFrameToTheTarget) {
  game.play.totalScore = 95;
  game.play.countTarget = 100;
  std::vector<std::string> shown;
  for (int frame = 0; frame < 6; ++frame) {
    observer.texts.clear();
    DrawHud(game);
    shown.push_back(observer.texts[0].text);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{" SCORE 96|", " SCORE 97|", " SCORE 98|", " SCORE 99|",
                                             " SCORE 100|", " SCORE 100|"}));
}

TEST_F(HudTest, NegativeTilesLeftShowAndStayAsZero) {
  game.play.tilesLeft = -3;
  DrawHud(game);
  EXPECT_EQ(observer.texts[4].text, " TILES LEFT 0|");
  EXPECT_EQ(game.play.tilesLeft, 0);
}

class NarrowHudTest : public PlayTest {
 protected:
  NarrowHudTest() : PlayTest(640, 480) {}
};

TEST_F(NarrowHudTest, NoticeRestartsAfter641Frames) {
  for (int frame = 0; frame < 640; ++frame) DrawHud(game);
  EXPECT_EQ(game.play.noticeOffset, 1280);
  DrawHud(game);
  EXPECT_EQ(game.play.noticeOffset, 0);
}

TEST_F(HudTest, LevelIntroRunsCeilOfWidthOverSixFramesAndClearsItsFlag) {
  game.play.levelIntroPending = 1;
  game.play.levelNumber = 4;
  ShowLevelIntro(game);
  const int frames = static_cast<int>(std::ceil((800 - 1) / 6.0));
  EXPECT_EQ(Presents(), frames);
  ASSERT_EQ(observer.texts.size(), static_cast<std::size_t>(frames));
  EXPECT_EQ(observer.texts[0].text, "  MAP 4| ");
  EXPECT_FLOAT_EQ(observer.texts[0].x, 320);
  EXPECT_FLOAT_EQ(observer.texts[0].spacing, 0);
  EXPECT_FLOAT_EQ(observer.texts[0].size, 3);
  EXPECT_NEAR(observer.texts[1].spacing, 0.01f, 1e-6);
  EXPECT_EQ(game.play.levelIntroPending, 0);
  EXPECT_EQ(game.play.screenShot, 0);
  EXPECT_EQ(game.play.screenShot3D, 0);
}

TEST_F(HudTest, GameOverRunsCeilOfWidthOverFourFramesThenEndsTheProgram) {
  EXPECT_THROW(ShowGameOver(game), ProgramEnded);
  EXPECT_EQ(observer.texts.size(), 200u);
  EXPECT_EQ(observer.texts[0].text, "  GAME OVER |");
  EXPECT_FLOAT_EQ(observer.texts[0].x, 240);
  EXPECT_NEAR(observer.texts[199].spacing, 199 * 0.005f, 1e-4);
}

}  // namespace
}  // namespace vorantis::testing
