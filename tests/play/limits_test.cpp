// Values at the ends of their range: the countdown's frame count saturates and the field pass
// never runs past the grid. The field, bomb and replay tests pin the saturating counters.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "play/countdown.h"
#include "play/game_frame.h"
#include "play/play_fixture.h"
#include "play/view.h"

namespace vorantis::testing {
namespace {

constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

class LimitsTest : public PlayTest {
 protected:
  LimitsTest() {
    MakeFloor(19, 19);
    GiveEveryFieldAQuad();
  }
};

TEST_F(LimitsTest, WithTheRefreshAtTheTopOfItsRangeTheFrameCountStopsAndTheTimeNeverSteps) {
  game.settings.WORLDREFRESH = kHighest;
  game.play.timerFrames = kHighest - 1;
  game.play.timeLeft = 3;
  for (int frame = 0; frame < 5; ++frame) StepTimer(game, -1);
  EXPECT_EQ(game.play.timerFrames, kHighest);
  EXPECT_EQ(game.play.timeLeft, 3);
}

// The field pass visits one column more than is visible but only the visible rows, and never
// runs past the grid's edge, whatever the visible counts (no tile size gives the huge ones now).
TEST_F(LimitsTest, TheFieldPassVisitsTheVisibleFieldsAndEndsAtTheGridsEdge) {
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

}  // namespace
}  // namespace vorantis::testing
