// The game frame, the countdown, the HUD, the level intro and game over.
#include <gtest/gtest.h>

#include <cmath>

#include "core/program_end.h"
#include "play/countdown.h"
#include "play/game_frame.h"
#include "play/game_over.h"
#include "play/hud.h"
#include "play/level_intro.h"
#include "play/play_fixture.h"
#include "present/credits.h"

namespace vorantis::testing {
namespace {

class GameFrameTest : public PlayTest {
 protected:
  GameFrameTest() {
    MakeFloor(19, 19);
    game.play.tilesLeft = 50;
    game.play.timeLeft = 30;
  }
};

TEST_F(GameFrameTest, FieldPassVisitsOneColumnMoreThanVisibleButOnlyTheVisibleRows) {
  game.level.visibleColumns = 3;
  game.level.visibleRows = 2;
  game.play.originColumn = 5;
  game.play.originRow = 7;
  const int quad = MakeQuad(32, 32);
  for (int c = 0; c <= 19; ++c)
    for (int r = 0; r <= 19; ++r) game.level.matrix.At(c, r).sprite3D = quad;
  game.level.matrix.At(6, 7).opacity = 0;  // invisible fields are skipped
  game.level.matrix.At(7, 7).inLevel = 0;
  DrawFields(game);
  std::vector<std::pair<int, int>> at;
  for (const QuadDraw& q : Quads())
    at.emplace_back(static_cast<int>(q.corners[0].x), static_cast<int>(q.corners[0].y));
  EXPECT_EQ(at, (std::vector<std::pair<int, int>>{{0, 0}, {96, 0}, {0, 32}, {32, 32}, {64, 32}, {96, 32}}));
}

TEST_F(GameFrameTest, EffectSpriteBouncesOffTheEdgeBeforeItMoves) {
  std::int32_t seed = 1;  // one whose first draw, the chance of a new speed, is not 0
  for (game.random.SeedRandom(seed); game.random.RandomUpTo(50) == 0;) game.random.SeedRandom(++seed);
  game.random.SeedRandom(seed);
  game.catalogues.effectSprites = {EffectSprite{0.5f, 300, 0, -2, 0}};
  MoveEffectSprites(game, 1);
  EXPECT_FLOAT_EQ(game.catalogues.effectSprites[0].speedX, 2);
  EXPECT_FLOAT_EQ(game.catalogues.effectSprites[0].x, 2.5f);
}

// With the 3D-sprite switch off nothing is drawn or moved, but levels complete and the clock runs;
// with level files a finished level completes again on every pass until the time runs out.
TEST_F(GameFrameTest, SwitchOffAndLevelFilesCompleteEveryPassUntilTheCountdownEndsTheGame) {
  game.settings.USESPRITE3D = 0;
  game.settings.WORLDREFRESH = 1;
  game.play.tilesLeft = 0;
  game.play.totalScore = 77;
  game.catalogues.effectSprites = {EffectSprite{}};
  RunGameFrame(game);
  EXPECT_TRUE(Quads().empty());
  EXPECT_EQ(game.catalogues.effectSprites[0].x, 0);
  EXPECT_EQ(game.play.levelNumber, 2);
  EXPECT_EQ(game.play.bankedScore, 77);
  EXPECT_EQ(game.play.timeLeft, 0);
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
  EXPECT_EQ(game.play.levelNumber, 3);
  EXPECT_EQ(game.play.timeLeft, -1);
}

// Winning a generated level never loses it to the same frame's countdown; a level that was
// complete before the frame began (as built) lets the countdown run, so it cannot loop for ever.
TEST_F(GameFrameTest, GeneratedLevelWonInTheFrameSkipsItsCountdownStepButOneCompleteAtTheStartDoesNot) {
  game.settings.USESELFCREATEBASE = 1;
  game.settings.WORLDREFRESH = 0;  // the countdown would step on every frame
  game.play.tilesLeft = 1;
  for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) SetField(c, r, "LAB_BLUE_FLOOR");
  RunGameFrame(game);
  EXPECT_EQ(game.play.levelNumber, 2);
  EXPECT_EQ(game.play.timeLeft, 0);
  EXPECT_EQ(game.play.timerFrames, 0);
  EXPECT_EQ(game.play.gameState, kGameRunning);
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
  EXPECT_EQ(game.play.levelNumber, 3);
  EXPECT_EQ(game.play.timeLeft, -1);
}

TEST_F(GameFrameTest, FramesAndTheZoomReuseTheirScreenShot) {
  game.settings.FULLSCREENZOOM = 0.5f;
  for (int frame = 0; frame < 3; ++frame) RunGameFrame(game);
  const int shot = game.play.screenShot;
  const int textures = tg.recorder()->liveTextures();
  EXPECT_NE(shot, 0);
  for (int frame = 0; frame < 5; ++frame) RunGameFrame(game);
  EXPECT_EQ(game.play.screenShot, shot);
  EXPECT_EQ(tg.recorder()->liveTextures(), textures);

  tg.recorder()->ClearLog();
  ZoomScreen(game, 1);
  auto grabs = Logged(Kind::kGrab);
  ASSERT_EQ(grabs.size(), 1u);  // the middle of the screen, stretched to the whole of it
  EXPECT_EQ(std::vector<int>({grabs[0].x, grabs[0].y, grabs[0].width, grabs[0].height}),
            std::vector<int>({1, 1, 399, 299}));
  ASSERT_EQ(Quads().size(), 1u);
  EXPECT_EQ(Quads()[0].corners[3].x, 800);
  EXPECT_EQ(tg.recorder()->liveTextures(), textures);
}

using HudTest = PlayTest;

TEST_F(HudTest, CountdownStepsEveryRefreshPlusOneFramesAndTicksOnTheLastTenSteps) {
  game.settings.WORLDREFRESH = 2;
  game.play.timeLeft = 12;
  for (int frame = 0; frame < 9; ++frame) StepTimer(game, -1);
  StepTimer(game, 0);  // only +1 and -1 count frames
  EXPECT_EQ(game.play.timeLeft, 9);
  EXPECT_EQ(game.play.timerFrames, 0);
  EXPECT_EQ(CountSounds("tick.ogg"), 2);  // 10 and 9
  for (int step = 0; step < 9; ++step) ChangeTime(game, -1);
  EXPECT_EQ(game.play.gameState, kGameRunning);  // at 0
  ChangeTime(game, -1);
  EXPECT_EQ(game.play.timeLeft, -1);
  EXPECT_EQ(CountSounds("tick.ogg"), 10);  // 10 to 1, none at 0 or -1
  EXPECT_EQ(game.play.gameState, kGameOver);
}

TEST_F(HudTest, TextsInOrderWithTheirPlacesAndAlphas) {
  game.play.totalScore = 12;
  game.play.timeLeft = 30;
  game.play.bombs = "&&";
  game.play.tilesLeft = -3;
  game.play.levelNumber = 3;
  DrawHud(game);
  std::string seen;
  for (const RecordedText& t : observer.texts)
    seen += t.text + "@" + std::to_string(int(t.x)) + "," + std::to_string(int(t.y)) + "," +
            std::to_string(t.alpha) + "\n";
  EXPECT_EQ(seen,
            " SCORE 12|@560,30,240\n TIME 30|@48,30,240\n \xF6\xF6\xF6 |@320,6,200\n &&|@320,6,240\n"
            " TILES LEFT 0|@320,60,240\n MAP 3|@560,60,240\n" +
                std::string(kDemoNotice) + "@800,540,200\n");
  EXPECT_FLOAT_EQ(observer.texts[6].size, 0.8f);
  EXPECT_NE(std::string(kDemoNotice).find("QUARLIX BOARD"), std::string::npos);
  EXPECT_EQ(game.play.tilesLeft, 0);  // -3 shows, and stays, as 0
}

TEST_F(HudTest, ScoreCountsUpToTheTargetAndTheNoticeRestartsAfter641FramesAt640) {
  game.screenWidth = 640;
  game.play.totalScore = 95;
  game.play.countTarget = 100;
  for (int frame = 0; frame < 640; ++frame) DrawHud(game);
  EXPECT_EQ(game.play.noticeOffset, 1280);
  DrawHud(game);
  EXPECT_EQ(game.play.noticeOffset, 0);
  std::string scores;
  for (std::size_t i = 0; i < 42; i += 7) scores += observer.texts[i].text;
  EXPECT_EQ(scores, " SCORE 96| SCORE 97| SCORE 98| SCORE 99| SCORE 100| SCORE 100|");
}

TEST_F(HudTest, LevelIntroAndGameOverRunCeilOfWidthOverSixAndFourFrames) {
  game.play.levelIntroPending = 1;
  game.play.levelNumber = 4;
  ShowLevelIntro(game);
  const std::size_t frames = static_cast<std::size_t>(std::ceil((800 - 1) / 6.0));
  EXPECT_EQ(Logged(Kind::kPresent).size(), frames);
  ASSERT_EQ(observer.texts.size(), frames);
  const RecordedText& first = observer.texts[0];
  EXPECT_EQ(first.text, "  MAP 4| ");
  EXPECT_EQ(std::vector<float>({first.x, first.size, first.spacing, observer.texts[1].spacing}),
            std::vector<float>({320, 3, 0, 0.01f}));
  EXPECT_EQ(game.play.levelIntroPending, 0);
  EXPECT_EQ(game.play.screenShot3D, 0);  // the grab is released afterwards

  observer.texts.clear();
  EXPECT_THROW(ShowGameOver(game), ProgramEnded);
  EXPECT_EQ(observer.texts.size(), 200u);
  EXPECT_EQ(observer.texts[0].text, "  GAME OVER |");
  EXPECT_FLOAT_EQ(observer.texts[0].x, 240);
  EXPECT_NEAR(observer.texts[199].spacing, 199 * 0.005f, 1e-4);
}

}  // namespace
}  // namespace vorantis::testing
