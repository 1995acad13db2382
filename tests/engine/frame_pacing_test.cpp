#include "engine/frame_pacing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "engine/headless.h"
#include "engine/recording_renderer.h"
#include "engine/screen.h"

namespace vorantis {
namespace {

struct Played {
  std::int64_t time = 0;
  std::int64_t drawn = 0;
  int longestUndrawnRun = 0;
};

// `frames` frames on the pass schedule, each costing `drawCost` drawn and `bareCost`
// undrawn, as the screen and the clock play them.
Played Simulate(int frames, std::int64_t drawCost, std::int64_t bareCost) {
  PassSchedule schedule;
  FramePacing pacing;
  Played run;
  std::int64_t start = schedule.NextStart(0);
  bool draw = true;
  int undrawnRun = 0;
  for (int i = 0; i < frames; ++i) {
    const std::int64_t end = start + (draw ? drawCost : bareCost);
    pacing.FrameEnded(draw, start, end);
    undrawnRun = draw ? 0 : undrawnRun + 1;
    run.longestUndrawnRun = std::max(run.longestUndrawnRun, undrawnRun);
    start = schedule.NextStart(end);
    draw = pacing.DrawNext(start, schedule.due());
  }
  run.time = start;
  run.drawn = pacing.drawn();
  return run;
}

// The replay tool's slow-drawing run checks the pace and the pictures at a few costs;
// these are the bounds it does not reach.
TEST(FramePacing, PassesKeepTheirPaceAndAtMostFourInARowGoUndrawn) {
  // cost of a drawn frame (us) -> fewest drawn frames of 600, latest end in passes
  for (auto [cost, fewest, latest] :
       {std::tuple{16'000, 600, 601}, {20'000, 450, 603}, {45'000, 190, 603}, {75'000, 120, 603}}) {
    const Played run = Simulate(600, cost, 1'000);
    EXPECT_LE(run.time, latest * kPassPeriod) << cost;
    EXPECT_GE(run.drawn, fewest) << cost;
    EXPECT_EQ(run.drawn == 600, cost == 16'000) << cost;
    EXPECT_LE(run.longestUndrawnRun, FramePacing::kMostSkippedInRow) << cost;
  }
  // However slow, one frame in five is drawn; nothing is dropped where it saves nothing.
  EXPECT_EQ(Simulate(600, 500'000, 1'000).drawn, 600 / (FramePacing::kMostSkippedInRow + 1));
  EXPECT_GE(Simulate(600, 30'000, 30'000).drawn, 599);  // one undrawn frame to measure it

  FramePacing unscheduled;
  unscheduled.FrameEnded(true, 0, 1'000'000);
  EXPECT_TRUE(unscheduled.DrawNext(1'000'000, -1));
}

TEST(PassSchedule, SmallLatenessIsMadeUpAStallRestartsTheGridAndProgressIsShownOnceAGap) {
  PassSchedule schedule;
  EXPECT_EQ(schedule.NextStart(0), 0);
  EXPECT_EQ(schedule.NextStart(20'000), 20'000);  // late: no wait
  EXPECT_EQ(schedule.NextStart(21'000), 33'334);  // back on the grid
  EXPECT_EQ(schedule.NextStart(2'000'000), 2'000'000);
  EXPECT_EQ(schedule.due(), 2'000'000 + kPassPeriod);  // no burst of passes to catch up

  // A gap after the last picture shown, not the last asked; a clock that went back shows the next.
  ProgressShowing shown(15'000);
  std::vector<bool> got;
  for (std::int64_t now : {100'000, 100'000, 114'999, 115'000, 120'000, 50'000, 60'000})
    got.push_back(shown.Show(now));
  EXPECT_EQ(got, (std::vector<bool>{true, false, false, true, false, true, false}));
}

// Time moves only when the test says; passes follow the real clock's schedule.
class StepClock : public Clock {
 public:
  void Sleep(int) override {}
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now / 1000); }
  void PaceFrame() override { now = schedule_.NextStart(now); }
  std::int64_t Microseconds() override { return now; }
  std::int64_t NextFrameDue() override { return schedule_.due(); }
  std::int64_t now = 0;

 private:
  PassSchedule schedule_;
};

struct UndrawnFrameTest : ::testing::Test {
  UndrawnFrameTest() : display(64, 48), screen(&display, &clock) {
    screen.CreateGameWindow(-1, 0, 0, 64, 48, 0, "t");
    screen.OpenScreenInWindow(1, 0, 0, 64, 48, 1, 0, 0);
    recorder = dynamic_cast<RecordingRenderer*>(screen.renderer());
    // Two frames slower than the pace: the next one may go undrawn.
    quad = screen.MakeSprite3D(-1, screen.GrabScreenSprite(-1, 0, 0, 8, 8, kModeTexture));
    Frame(40'000);
    Frame(40'000);
  }
  // A whole frame as the game makes one, drawing for `cost` microseconds.
  void Frame(std::int64_t cost) {
    screen.FillScreen(0);
    screen.DrawSprite3D(quad, 0, 0);
    clock.now += cost;
    screen.PresentFrame();
  }
  std::size_t Logged() { return recorder->entries().size(); }

  StepClock clock;
  HeadlessDisplay display;
  Screen screen;
  RecordingRenderer* recorder = nullptr;
  int quad = 0;
};

TEST_F(UndrawnFrameTest, TheRendererSeesNothingOfAnUndrawnFrameAndGrabsInItStillMakeSprites) {
  const int shot = 1;
  const std::size_t before = Logged();
  screen.FillScreen(0);
  EXPECT_EQ(screen.GrabScreenSprite(shot, 0, 0, 8, 8, kModeTexture), shot);
  EXPECT_EQ(screen.MakeSprite3D(quad, shot), quad);
  screen.DrawSprite3D(quad, 0, 0);
  screen.FillRectangle(0, 0, 4, 4, 1);
  screen.PresentFrame();
  EXPECT_EQ(Logged(), before);
  EXPECT_EQ(std::tuple(screen.presentedFrames(), screen.drawnFrames(), screen.undrawnFrames()),
            std::tuple(3, std::int64_t{2}, std::int64_t{1}));

  // Drawn again: the grab from the undrawn frame holds no picture and draws nothing.
  screen.KeepFrameDrawn();
  Frame(0);
  ASSERT_EQ(Logged(), before + 2);
  EXPECT_EQ(recorder->entries()[before].kind, RecordingRenderer::Kind::kClear);
}

TEST_F(UndrawnFrameTest, PicturesOverTheStandingOneAndKeptFramesAreAlwaysDrawn) {
  const std::size_t before = Logged();
  // A dialog draws over the standing picture without clearing it first.
  screen.DrawSprite3D(quad, 0, 0);
  clock.now += 40'000;
  screen.PresentFrame();
  EXPECT_EQ(Logged(), before + 2);
  screen.KeepFrameDrawn();
  Frame(40'000);
  EXPECT_EQ(Logged(), before + 5);
  Frame(0);
  EXPECT_EQ(Logged(), before + 5);
}

// A level build shows its progress far faster than a display refreshes: one that comes within a
// frame's time of the last shown is left out.
TEST_F(UndrawnFrameTest, AtMostOneProgressFrameAFrameTimeIsShown) {
  const std::size_t before = Logged();
  for (int i = 0; i < 10; ++i) {
    screen.FillRectangle(0, 40, 64, 8, 0xFF);
    clock.now += 1'000;  // ten fields' worth of building
    screen.PresentProgressFrame();
  }
  EXPECT_EQ(Logged(), before + 2);  // one fill, one present
  clock.now += 15'000;
  screen.FillRectangle(0, 40, 64, 8, 0xFF);
  screen.PresentProgressFrame();
  EXPECT_EQ(Logged(), before + 4);
}

}  // namespace
}  // namespace vorantis
