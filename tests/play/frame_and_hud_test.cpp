// The game frame, the field pass, the countdown and the HUD. The replay tool's runs pin the level
// intro and the game over.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "core/program_end.h"
#include "play/countdown.h"
#include "play/game_frame.h"
#include "play/hud.h"
#include "play/play_fixture.h"
#include "play/view.h"

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
  EXPECT_EQ(std::tuple(game.play.levelNumber, game.play.bankedScore, game.play.timeLeft),
            std::tuple(2, 77, 0));
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
  EXPECT_EQ(std::pair(game.play.levelNumber, game.play.timeLeft), std::pair(3, -1));
}

// Winning a generated level never loses it to the same frame's countdown; a level that was
// complete before the frame began (as built) lets the countdown run, so it cannot loop for ever.
TEST_F(GameFrameTest, GeneratedLevelWonInTheFrameSkipsItsCountdownStepButOneCompleteAtTheStartDoesNot) {
  game.settings.USESELFCREATEBASE = 1;
  game.settings.WORLDREFRESH = 0;  // the countdown would step on every frame
  game.play.tilesLeft = 1;
  for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) SetField(c, r, "LAB_BLUE_FLOOR");
  RunGameFrame(game);
  EXPECT_EQ(std::pair(game.play.levelNumber, game.play.timeLeft), std::pair(2, 0));
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
  EXPECT_EQ(std::pair(game.play.levelNumber, game.play.timeLeft), std::pair(3, -1));
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

  ZoomScreen(game, 1);
  EXPECT_EQ(tg.recorder()->liveTextures(), textures);
}

// The field pass visits one column more than is visible but only the visible rows, and never
// runs past the grid's edge, whatever the visible counts (no tile size gives the huge ones now).
TEST_F(GameFrameTest, TheFieldPassVisitsTheVisibleFieldsAndEndsAtTheGridsEdge) {
  GiveEveryFieldAQuad();
  const float infinity = std::numeric_limits<float>::infinity();
  const std::tuple<float, float, float, int, int> cases[] = {
      // visible columns, visible rows, origin column: rows and last column index visited
      {1e12f, infinity, 0, 20, 19},
      {infinity, 1e12f, 15, 20, 4},
      {3, 2, 0, 2, 3},
      {5, 5, 25, 5, -1},
  };
  for (auto [columns, rows, origin, visitedRows, lastColumn] : cases) {
    game.level.visibleColumns = columns;
    game.level.visibleRows = rows;
    game.play.originColumn = origin;
    const FieldsInView view = VisitedFields(game);
    EXPECT_EQ(std::pair(view.rows, view.columns), std::pair(visitedRows, lastColumn))
        << columns << " " << rows;
  }
  // The pass draws what it visits, skipping invisible fields and fields outside the level.
  game.level.visibleColumns = 3;
  game.level.visibleRows = 2;
  game.play.originColumn = 5;
  game.play.originRow = 7;
  game.level.matrix.At(6, 7).opacity = 0;
  game.level.matrix.At(7, 7).inLevel = 0;
  tg.recorder()->ClearLog();
  DrawFields(game);
  std::vector<std::pair<int, int>> at;
  for (const QuadDraw& q : Quads())
    at.emplace_back(static_cast<int>(q.corners[0].x), static_cast<int>(q.corners[0].y));
  EXPECT_EQ(at, (std::vector<std::pair<int, int>>{{0, 0}, {96, 0}, {0, 32}, {32, 32}, {64, 32}, {96, 32}}));
}

using HudTest = PlayTest;

TEST_F(HudTest, CountdownStepsEveryRefreshPlusOneFramesAndTicksOnTheLastTenSteps) {
  game.settings.WORLDREFRESH = 2;
  game.play.timeLeft = 12;
  for (int frame = 0; frame < 9; ++frame) StepTimer(game, -1);
  StepTimer(game, 0);  // only +1 and -1 count frames
  EXPECT_EQ(game.play.timeLeft, 9);
  EXPECT_EQ(game.play.timerFrames, 0);
  EXPECT_EQ(observer.Played("tick.ogg"), 2);  // 10 and 9
  for (int step = 0; step < 9; ++step) ChangeTime(game, -1);
  EXPECT_EQ(game.play.gameState, kGameRunning);  // at 0
  ChangeTime(game, -1);
  EXPECT_EQ(game.play.timeLeft, -1);
  EXPECT_EQ(observer.Played("tick.ogg"), 10);  // 10 to 1, none at 0 or -1
  EXPECT_EQ(game.play.gameState, kGameOver);
}

TEST_F(HudTest, NegativeTilesLeftShowAndStayAsZero) {
  game.play.tilesLeft = -3;
  DrawHud(game);
  EXPECT_EQ(observer.Shown(" TILES LEFT 0|"), 1);
  EXPECT_EQ(game.play.tilesLeft, 0);
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

TEST_F(HudTest, WithTheRefreshAtTheTopOfItsRangeTheFrameCountStopsAndTheTimeNeverSteps) {
  game.settings.WORLDREFRESH = std::numeric_limits<std::int32_t>::max();
  game.play.timerFrames = std::numeric_limits<std::int32_t>::max() - 1;
  game.play.timeLeft = 3;
  for (int frame = 0; frame < 5; ++frame) StepTimer(game, -1);
  EXPECT_EQ(game.play.timerFrames, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(game.play.timeLeft, 3);
}

}  // namespace
}  // namespace vorantis::testing
