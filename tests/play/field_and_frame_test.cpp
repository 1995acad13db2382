// Field objects, enemies, floor colouring, the game frame and its field pass, the countdown and the
// HUD. The replay tool's runs pin the level intro and the game over.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/program_end.h"
#include "play/actors.h"
#include "play/countdown.h"
#include "play/enemies.h"
#include "play/floor_colouring.h"
#include "play/game_frame.h"
#include "play/hud.h"
#include "play/play_fixture.h"
#include "play/view.h"

namespace vorantis::testing {
namespace {

// Row 2 is blue, so standing there places no tile (which would respawn the field's objects).
class FieldTest : public PlayTest {
 protected:
  FieldTest() {
    MakeFloor(9, 9);
    for (int c = 0; c <= 9; ++c) SetField(c, 2, "LAB_BLUE_FLOOR");
    GiveEveryFieldAQuad();
  }
  Enemy& AddEnemy(int column, int row) {
    return game.level.enemies.emplace_back(
        Enemy{.x = column * 32, .y = row * 32, .traits = {.alpha = 255}, .motion = {.veloX = 1, .veloY = 1}});
  }
  void SetSquare(int column, int row, const std::string& code) {
    for (auto [c, r] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) SetField(column + c, row + r, code);
  }
};

TEST_F(FieldTest, PickupsAreTakenOnceUnlessABombFindsTheStockFullOrTheyAreNotKilled) {
  game.play.bombs = "&&";
  Put(1, 2, 0, 10);
  Put(2, 2, 0, 0, "BOMB");  // taken while the stock has room
  Put(3, 2, 0, 5, "BOMB");  // three carried: stays and scores on every frame
  FieldObject& clock = Put(4, 2, 0, 0);
  clock.traits.killOnCollision = 0;
  clock.traits.extraTime = 2;
  clock.traits.useCountSound = 1;
  clock.traits.countSound = "count.ogg";
  Put(5, 4, 0, 1);                           // collected before the player colours its field
  Put(6, 2, 0, 50).traits.countToScore = 1;  // raises only the target: the HUD counts it up
  game.play.countTarget = 7;
  for (int c = 1; c <= 4; ++c) StandOn(c, 2, 3);
  StandOn(5, 4);
  StandOn(6, 2);
  EXPECT_EQ(game.play.totalScore, 10 + 3 * 5 + 1);
  EXPECT_EQ(game.play.countTarget, 7 + 50);
  EXPECT_EQ(game.play.bombs, "&&&");
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(game.level.matrix.At(c, 2).childIds[0] == -1, c < 3) << c;
  EXPECT_EQ(game.play.timeLeft, 6);
  EXPECT_EQ(observer.Played("count.ogg"), 3);
  EXPECT_EQ(Code(5, 4), "LAB_BLUE_FLOOR");
}

TEST_F(FieldTest, PlayerObjectsAreNotDrawnAndFieldsWithoutGraphicNeitherShowNorGiveTheirObjects) {
  Put(2, 2, 0, 7).traits.isPlayer = 1;
  Put(3, 2, 0, 10);
  game.level.matrix.At(3, 2).sprite3D = 0;
  Put(4, 2, 0, 0).traits.collision = 0;  // shown on each pass, never taken
  for (FieldObject& object : game.level.fieldObjects) {
    object.traits.show = 1;
    object.sprite3D = MakeQuad(8, 8);
  }
  tg.recorder()->ClearLog();
  StandOn(2, 2);
  StandOn(3, 2);
  EXPECT_EQ(Quads().size(), 2u);
  EXPECT_EQ(game.play.totalScore, 7);
}

TEST_F(FieldTest, RestlessEnemyRunsRightThenShufflesInFrontOfTheWall) {
  SetField(4, 1, "LAB_WALL", 1);
  AddEnemy(1, 1);
  std::vector<int> columns;
  for (int frame = 0; frame < 6; ++frame) {
    MoveEnemies(game);
    columns.push_back(game.level.enemies[0].x / 32);
  }
  EXPECT_EQ(columns, (std::vector<int>{2, 3, 2, 3, 2, 3}));
  EXPECT_EQ(Code(2, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(Code(3, 1), "LAB_PINK_FLOOR");
  EXPECT_EQ(observer.Played("tile.ogg"), 6);
}

// An enemy that rarely changes direction walks on in its heading until the grid's edge stops it.
TEST_F(FieldTest, SteadyEnemyKeepsItsHeadingUntilBlocked) {
  // heading -> the field after each of six frames, starting from (5, 5)
  for (auto [way, path] : {std::pair{heading::kRight, "6,5 7,5 8,5 9,5 9,5 9,5 "},
                           {heading::kLeft, "4,5 3,5 2,5 1,5 0,5 0,5 "},
                           {heading::kDown, "5,6 5,7 5,8 5,9 5,9 5,9 "},
                           {heading::kUp, "5,4 5,3 5,2 5,1 5,0 5,0 "}}) {
    game.level.enemies.clear();
    Enemy& steady = AddEnemy(5, 5);
    steady.heading = way;
    steady.motion.changeDirection = 1'000'000'000;
    std::string fields;
    for (int frame = 0; frame < 6; ++frame) {
      MoveEnemies(game);
      const Enemy& e = game.level.enemies[0];
      fields += std::to_string(e.x / 32) + "," + std::to_string(e.y / 32) + " ";
    }
    EXPECT_EQ(fields, path) << way;
  }
}

TEST_F(FieldTest, StandingEnemySpinsAndIsDrawnButNeverMovesAndNoEnemyLeavesTheGrid) {
  Enemy& enemy = AddEnemy(3, 3);
  enemy.motion.aiLevel = 3;
  enemy.motion.rotate = 5;
  enemy.sprite3D = MakeQuad(16, 16);
  game.play.originColumn = 1;
  tg.recorder()->ClearLog();
  for (int frame = 0; frame < 4; ++frame) MoveEnemies(game);
  EXPECT_EQ(game.level.enemies[0].x, 96);
  EXPECT_EQ(tg.engine->screen().Sprite3DAngle(game.level.enemies[0].sprite3D), 20);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 4u);
  EXPECT_GT(quads[0].corners[0].x, 32.0f);  // drawn relative to the view, turned about its centre
  EXPECT_LT(quads[0].corners[0].x, 96.0f);

  game.level.enemies = {Enemy{
      .x = 9 * 32, .y = 9 * 32, .traits = {.alpha = 255}, .motion = {.veloX = 1, .veloY = 1, .dMove = 0}}};
  for (int frame = 0; frame < 4; ++frame) MoveEnemies(game);
  EXPECT_LE(std::max(game.level.enemies[0].x, game.level.enemies[0].y), 9 * 32);
}

TEST_F(FieldTest, PlayerAndEnemyColourOnlyTheirKindsOfFloor) {
  const std::array<const char*, 3> cases[] = {
      // before, after the player, after an enemy
      {"LAB_FLOOR", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR"},
      {"LAB_GREEN", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR"},
      {"LAB_PINK_FLOOR", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR"},
      {"LAB_FIXED_PINK_FLOOR", "LAB_FIXED_PINK_FLOOR", "LAB_FIXED_PINK_FLOOR"},
      {"LAB_WALL", "LAB_WALL", "LAB_WALL"},
      {"LAB_BLUE_FLOOR", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR"},
      {"LAB_FIXED_FLOOR", "LAB_FIXED_FLOOR", "LAB_FIXED_FLOOR"},
      // The edge kinds are floor with a border drawn on it.
      {"LAB_WALL_E", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR"},
      {"LAB_WATER_S", "LAB_BLUE_FLOOR", "LAB_PINK_FLOOR"},
  };
  for (int c = 0; c < 9; ++c) {
    SetField(c, 1, cases[c][0], c == 4);
    SetField(c, 3, cases[c][0], c == 4);
    PaintPlayerField(game, c, 1);
    PaintEnemyField(game, c * 32 + (c % 2 ? 15 : -10), 3 * 32 + 10);  // the nearest field counts
    EXPECT_EQ(Code(c, 1), cases[c][1]) << cases[c][0];
    EXPECT_EQ(Code(c, 3), cases[c][2]) << cases[c][0];
  }
  EXPECT_EQ(observer.Played("tile.ogg"), 5);  // the player's changes only
  PaintEnemyField(game, -1000, -1000);        // outside the grid: harmless
}

// The replay tool's runs pin blue squares fixing their upper fields and scoring.
TEST_F(FieldTest, PinkSquaresFixButNeverScoreAndFixedPinkCannotTurnBlue) {
  SetSquare(1, 6, "LAB_PINK_FLOOR");
  game.play.tilesLeft = 10;
  DrawFields(game);
  EXPECT_EQ(Code(1, 6) + " " + Code(2, 6) + " " + Code(1, 7),
            "LAB_FIXED_PINK_FLOOR LAB_FIXED_PINK_FLOOR LAB_PINK_FLOOR");
  EXPECT_EQ(std::pair(game.play.tilesLeft, game.play.totalScore), std::pair(10, 0));
  EXPECT_EQ(observer.Played("pink.ogg"), 2);
  PaintPlayerField(game, 1, 6);
  EXPECT_EQ(Code(1, 6), "LAB_FIXED_PINK_FLOOR");
}

TEST_F(FieldTest, UpperRowPatternFixesTheFieldButTheVoidBeyondTheGridNeverCounts) {
  for (int c = 3; c <= 5; ++c) SetField(c, 5, "LAB_BLUE_FLOOR");
  SetField(4, 6, "LAB_BLUE_FLOOR");
  FixBlueFloor(game, 4, 6);
  EXPECT_EQ(Code(4, 6), "LAB_FIXED_FLOOR");
  for (int c = 3; c <= 5; ++c) EXPECT_EQ(Code(c, 5), "LAB_BLUE_FLOOR");
  SetField(0, 0, "LAB_BLUE_FLOOR");
  SetField(1, 0, "LAB_BLUE_FLOOR");
  FixBlueFloor(game, 0, 0);  // only half of each square lies in the grid, the row above is void
  EXPECT_EQ(Code(0, 0), "LAB_BLUE_FLOOR");
}

TEST_F(FieldTest, HardcoreTrapsBetweenBlueAndWallButNotAnEdgeWallOrTheVoid) {
  game.settings.GAMEMODE = "HARDCORE";
  SetField(5, 4, "LAB_BLUE_FLOOR");
  SetField(3, 4, "LAB_WALL", 1);
  SetField(4, 3, "LAB_BLUE_FLOOR");
  SetField(4, 5, "LAB_WALL_E", 1);
  PaintPlayerField(game, 4, 4);
  EXPECT_EQ(game.level.matrix.At(4, 4).useCollision, 1);  // the coloured field now blocks
  SetField(1, 0, "LAB_WALL", 1);
  SetField(0, 1, "LAB_WALL", 1);
  EXPECT_NO_THROW(PaintPlayerField(game, 0, 0));  // the grid's corner
  SetField(6, 6, "LAB_PINK_FLOOR");               // pink repaints skip the rule
  PaintPlayerField(game, 6, 6);
  EXPECT_EQ(game.level.matrix.At(6, 6).useCollision, 0);
  SetField(4, 5, "LAB_WALL", 1);
  SetField(4, 4, "LAB_FLOOR");
  game.settings.GAMEMODE = "hardcore";  // the word is compared exactly
  EXPECT_NO_THROW(PaintPlayerField(game, 4, 4));
  SetField(4, 4, "LAB_FLOOR");
  game.settings.GAMEMODE = "HARDCORE";
  EXPECT_THROW(PaintPlayerField(game, 4, 4), ProgramEnded);
}

// A pickup worth two billion, taken twice, and one that gives that much time on every
// frame: the score, the count target and the time stop at the top instead of wrapping
// negative (which ended the game on the second frame); time taken away stops at the bottom.
TEST_F(FieldTest, PickupsSaturateScoreCountTargetAndTime) {
  constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
  for (int column : {1, 2}) {
    Put(column, 2, 0, kHighest);
    Put(column + 2, 2, 0, kHighest).traits.countToScore = 1;
  }
  FieldObject& clock = Put(5, 2);
  clock.traits.killOnCollision = 0;
  clock.traits.extraTime = kHighest;
  game.play.timeLeft = 30;
  for (int column = 1; column <= 4; ++column) StandOn(column, 2);
  StandOn(5, 2, 3);
  EXPECT_EQ(std::tuple(game.play.totalScore, game.play.countTarget, game.play.timeLeft),
            std::tuple(kHighest, kHighest, kHighest));
  game.settings.WORLDREFRESH = 0;
  StepTimer(game, -1);
  EXPECT_EQ(game.play.timeLeft, kHighest - 1);
  EXPECT_EQ(game.play.gameState, kGameRunning);

  clock.traits.extraTime = kLowest;
  StandOn(5, 2, 3);
  StepTimer(game, -1);
  EXPECT_EQ(game.play.timeLeft, kLowest);
  EXPECT_EQ(game.play.gameState, kGameOver);
}

TEST_F(FieldTest, FixedFloorScoreStopsAtTheTopAndTilesLeftAtTheBottom) {
  SetSquare(4, 4, "LAB_BLUE_FLOOR");
  game.play.tilesLeft = std::numeric_limits<std::int32_t>::min() + 1;
  game.play.totalScore = std::numeric_limits<std::int32_t>::max() - 1;
  DrawFields(game);
  EXPECT_EQ(std::pair(game.play.tilesLeft, game.play.totalScore),
            std::pair(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

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

// A level-file game keeps the old rule: the countdown steps in the winning frame too.
TEST_F(GameFrameTest, LevelFileWonInTheFrameStillStepsItsCountdown) {
  game.settings.USESELFCREATEBASE = 0;
  game.settings.WORLDREFRESH = 0;
  game.play.tilesLeft = 1;
  for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) SetField(c, r, "LAB_BLUE_FLOOR");
  EXPECT_THROW(RunGameFrame(game), ProgramEnded);
  EXPECT_EQ(std::pair(game.play.levelNumber, game.play.timeLeft), std::pair(2, -1));
}

TEST_F(GameFrameTest, FramesAndTheZoomReuseTheirScreenShot) {
  game.settings.FULLSCREENZOOM = 0.5f;
  for (int frame = 0; frame < 3; ++frame) RunGameFrame(game);
  const int shot = game.play.screenShot;
  const int textures = tg.recorder()->liveTextures();
  EXPECT_NE(shot, 0);
  for (int frame = 0; frame < 5; ++frame) RunGameFrame(game);
  EXPECT_EQ(std::pair(game.play.screenShot, tg.recorder()->liveTextures()), std::pair(shot, textures));
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
  EXPECT_EQ(std::pair(game.play.timeLeft, game.play.timerFrames), std::pair(9, 0));
  EXPECT_EQ(observer.Played("tick.ogg"), 2);  // 10 and 9
  for (int step = 0; step < 9; ++step) ChangeTime(game, -1);
  EXPECT_EQ(game.play.gameState, kGameRunning);  // at 0
  ChangeTime(game, -1);
  EXPECT_EQ(std::pair(game.play.timeLeft, game.play.gameState), std::pair(-1, kGameOver));
  EXPECT_EQ(observer.Played("tick.ogg"), 10);  // 10 to 1, none at 0 or -1
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
  EXPECT_EQ(std::pair(game.play.timerFrames, game.play.timeLeft),
            std::pair(std::numeric_limits<std::int32_t>::max(), 3));
}

}  // namespace
}  // namespace vorantis::testing
