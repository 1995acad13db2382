// A slow renderer on the replay's virtual clock: passes keep their pace while pictures are
// dropped, and play is the same as with every picture drawn.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "e2e/replay_runner.h"

namespace vorantis::testing {
namespace {

struct Pacing {
  long long passes = -1, drawn = -1, undrawn = -1, micros = -1;
};

Pacing ReadPacing(const ReplayResult& run) {
  Pacing p;
  const auto at = run.errors.find("vorantis-replay: passes ");
  if (at != std::string::npos) {
    std::sscanf(run.errors.c_str() + at,
                "vorantis-replay: passes %lld, drawn frames %lld, undrawn frames %lld, virtual time %lld us",
                &p.passes, &p.drawn, &p.undrawn, &p.micros);
  }
  return p;
}

TEST(SlowDrawing, PassesKeepSixtyASecondAndTheStateIsTheSameByteForByte) {
  ReplayRunner runner;
  // Play with steps, a bomb and the level intro, before the countdown ends the game.
  const std::string script = Tap(0, "SPACE") + Tap(40, "RIGHT", 30) + Tap(90, "DOWN", 25) +
                             Tap(130, "SPACE") + Tap(200, "LEFT", 60) + Tap(300, "UP", 40);
  const ReplayResult plain = runner.Run(ReplayRunner::DefaultData(), "--size 640x480 --passes 500", script);
  ASSERT_EQ(plain.exitCode, 0) << plain.errors;
  ASSERT_EQ(plain.EndKind(), "running");

  // milliseconds per drawn frame -> fewest frames drawn from pass 100 to 500
  for (auto [cost, fewest] : {std::pair{0, 400}, {30, 180}, {80, 75}}) {
    const std::string options = "--size 640x480 --draw-cost " + std::to_string(cost) + " --passes ";
    const ReplayResult early = runner.Run(ReplayRunner::DefaultData(), options + "100", script);
    const ReplayResult late = runner.Run(ReplayRunner::DefaultData(), options + "500", script);
    EXPECT_EQ(late.stateText, plain.stateText) << cost;
    const Pacing a = ReadPacing(early);
    const Pacing b = ReadPacing(late);
    ASSERT_EQ(b.passes, 500) << late.errors;
    // 400 passes of play in 400 / 60 virtual seconds; a drawn frame may leave play up to two
    // passes behind its schedule, which the undrawn ones after it make up.
    EXPECT_LE(b.micros - a.micros, 403 * 16'667) << cost;
    EXPECT_GE(b.micros - a.micros, 397 * 16'667) << cost;
    EXPECT_GE(b.drawn - a.drawn, fewest) << cost;
    // Nothing is dropped while drawing keeps up.
    EXPECT_EQ(b.undrawn == 0, cost == 0) << cost;
  }
}

}  // namespace
}  // namespace vorantis::testing
