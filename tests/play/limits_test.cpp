// Values from the data at the ends of their range: counters saturate, tile sizes that
// show no field leave the frame empty, and the field pass never runs past the grid.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

#include "core/saturating.h"
#include "level/tiles.h"
#include "play/actors.h"
#include "play/countdown.h"
#include "play/floor_colouring.h"
#include "play/game_frame.h"
#include "play/play_fixture.h"
#include "play/view.h"

namespace vorantis::testing {
namespace {

constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();

TEST(SaturatingAdd, StopsAtTheEndsOfTheRange) {
  constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
  const std::tuple<std::int32_t, std::int64_t, std::int32_t> cases[] = {
      {5, -7, -2},
      {kHighest, 1, kHighest},
      {kHighest - 1, 1, kHighest},
      {kLowest, -1, kLowest},
      {-5, kHighest, kHighest - 5},
      {kHighest, kLowest, -1},
      {0, kHuge, kHighest},
      {0, -kHuge - 1, kLowest},
      {kLowest, kHuge, kHighest},
  };
  for (auto [value, amount, sum] : cases) {
    EXPECT_EQ(SaturatingAdd(value, amount), sum) << value << " + " << amount;
    std::int32_t target = value;
    AddSaturating(target, amount);
    EXPECT_EQ(target, sum);
  }
}

class LimitsTest : public PlayTest {
 protected:
  LimitsTest() {
    MakeFloor(19, 19);
    const int quad = MakeQuad(32, 32);
    for (int c = 0; c <= 19; ++c)
      for (int r = 0; r <= 19; ++r) game.level.matrix.At(c, r).sprite3D = quad;
    game.level.fieldObjects.reserve(8);
  }
  FieldObject& Put(int column, int row) {
    MatrixField& field = game.level.matrix.At(column, row);
    SetField(column, row, "LAB_BLUE_FLOOR");  // standing there places no tile
    field.childIds[0] = static_cast<std::int32_t>(game.level.fieldObjects.size());
    field.childNames[0] = game.texts.Intern("GOODY");
    field.lastSpawnedSlot = 0;
    FieldObject& object = game.level.fieldObjects.emplace_back();
    object.traits.collision = 1;
    return object;
  }
  void StandOn(int column, int row, int frames) {
    game.play.cursor.x = static_cast<float>(column) * kTile;
    game.play.cursor.y = static_cast<float>(row) * kTile;
    for (int frame = 0; frame < frames; ++frame) {
      DrawFieldObjects(game);
      StepPlayer(game);
    }
  }
};

// A pickup worth two billion, taken twice, and one that gives that much time on every
// frame: the score, the count target and the time stop at the top instead of wrapping
// negative (which ended the game on the second frame).
TEST_F(LimitsTest, PickupsSaturateScoreCountTargetAndTime) {
  for (int column : {1, 2}) {
    FieldObject& coin = Put(column, 1);
    coin.traits.killOnCollision = 1;
    coin.traits.score = kHighest;
    FieldObject& gem = Put(column, 3);
    gem.traits.killOnCollision = 1;
    gem.traits.countToScore = 1;
    gem.traits.score = kHighest;
  }
  FieldObject& clock = Put(5, 5);
  clock.traits.extraTime = kHighest;
  game.play.timeLeft = 30;
  for (int column : {1, 2}) StandOn(column, 1, 1);
  for (int column : {1, 2}) StandOn(column, 3, 1);
  StandOn(5, 5, 3);
  EXPECT_EQ(game.play.totalScore, kHighest);
  EXPECT_EQ(game.play.countTarget, kHighest);
  EXPECT_EQ(game.play.timeLeft, kHighest);
  game.settings.WORLDREFRESH = 0;
  StepTimer(game, -1);
  EXPECT_EQ(game.play.timeLeft, kHighest - 1);
  EXPECT_EQ(game.play.gameState, kGameRunning);

  // The other way: time taken away stops at the bottom, and the countdown then ends the game.
  clock.traits.extraTime = kLowest;
  StandOn(5, 5, 3);
  EXPECT_EQ(game.play.timeLeft, kLowest);
  StepTimer(game, -1);
  EXPECT_EQ(game.play.timeLeft, kLowest);
  EXPECT_EQ(game.play.gameState, kGameOver);
}

TEST_F(LimitsTest, FixedFloorValueSaturatesTheScoreAndTilesLeftStopsAtTheBottom) {
  scratch.Write("SET/LAB_FIXED_FLOOR", Lines({"VALUE1", "2147483647"}));
  for (auto [c, r] : {std::pair{4, 4}, {5, 4}, {4, 5}, {5, 5}}) SetField(c, r, "LAB_BLUE_FLOOR");
  game.play.totalScore = 10;
  game.play.tilesLeft = kLowest + 1;
  DrawFields(game);
  EXPECT_EQ(Code(4, 4), "LAB_FIXED_FLOOR");
  EXPECT_EQ(Code(5, 4), "LAB_FIXED_FLOOR");
  EXPECT_EQ(game.play.totalScore, kHighest);
  EXPECT_EQ(game.play.tilesLeft, kLowest);
}

TEST_F(LimitsTest, WithTheRefreshAtTheTopOfItsRangeTheFrameCountStopsAndTheTimeNeverSteps) {
  game.settings.WORLDREFRESH = kHighest;
  game.play.timerFrames = kHighest - 1;
  game.play.timeLeft = 3;
  for (int frame = 0; frame < 5; ++frame) StepTimer(game, -1);
  EXPECT_EQ(game.play.timerFrames, kHighest);
  EXPECT_EQ(game.play.timeLeft, 3);
}

// Tile sizes that show no field (see TileSizeShowsFields): nothing is visited or drawn,
// the player's field is no field, so it is neither coloured nor does it collect.
TEST_F(LimitsTest, TileSizesThatShowNoFieldLeaveThePlayfieldEmpty) {
  FieldObject& coin = Put(0, 0);
  coin.traits.killOnCollision = 1;
  coin.traits.score = 5;
  game.level.matrix.At(0, 0).tileCode = game.texts.Intern("LAB_FLOOR");
  const float infinity = std::numeric_limits<float>::infinity();
  for (float size : {1e-7f, 0.01f, infinity, std::numeric_limits<float>::quiet_NaN()}) {
    game.settings.RESOLUTION = size;
    RecomputeVisibleFields(game);
    tg.recorder()->ClearLog();
    DrawFields(game);
    DrawFieldObjects(game);
    EXPECT_TRUE(Quads().empty()) << size;
    EXPECT_FALSE(CursorField(game).valid) << size;
    StepPlayer(game);
    EXPECT_EQ(Code(0, 0), "LAB_FLOOR") << size;
    EXPECT_EQ(game.play.totalScore, 0) << size;
  }
}

// Visible counts far beyond the grid (set by hand here; no tile size gives them now) walk
// only the grid's fields: 20 x 20 here, one quad each.
TEST_F(LimitsTest, TheFieldPassEndsAtTheGridsEdge) {
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
  game.play.originColumn = 0;
  game.level.visibleColumns = 1e12f;
  game.level.visibleRows = infinity;
  tg.recorder()->ClearLog();
  DrawFields(game);
  EXPECT_EQ(Quads().size(), 400u);
}

}  // namespace
}  // namespace vorantis::testing
