#include "app/main_loop.h"

#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "controls/controls.h"
#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "level/level_setup.h"
#include "play/game_frame.h"

namespace vorantis {

void MainLoopPass(Game& game) {
  if (game.settings.USESELFCREATEBASE == 1 && game.level.builtLevelNumber != game.play.levelNumber) {
    NewLevel(game);
    game.play.levelIntroPending = 1;
    game.level.builtLevelNumber = game.play.levelNumber;
  }
  game.engine.screen().PumpWindowMessage(1);
  game.engine.input().PollMouse();
  PollControls(game);
  RunGameFrame(game);
  game.engine.Sleep(game.settings.MULTITASK);
}

namespace {

// With VORANTIS_FRAME_RATE set, passes and drawn frames per second go to standard error
// once a second, so that a player can see whether slow drawing costs pictures or speed.
class FrameRateReport {
 public:
  explicit FrameRateReport(Engine& engine)
      : engine_(engine), on_(std::getenv("VORANTIS_FRAME_RATE") != nullptr) {
    Restart();
  }

  void PassEnded() {
    if (!on_) return;
    ++passes_;
    const std::uint32_t now = engine_.TickCount();
    if (now - since_ < 1000) return;
    const double seconds = (now - since_) / 1000.0;
    const auto drawn = engine_.screen().drawnFrames() - drawnBefore_;
    std::fprintf(stderr, "vorantis: %.1f passes/s, %.1f drawn/s\n", passes_ / seconds,
                 static_cast<double>(drawn) / seconds);
    Restart();
  }

 private:
  void Restart() {
    since_ = engine_.TickCount();
    drawnBefore_ = engine_.screen().drawnFrames();
    passes_ = 0;
  }

  Engine& engine_;
  bool on_;
  std::uint32_t since_ = 0;
  std::int64_t drawnBefore_ = 0;
  std::int64_t passes_ = 0;
};

}  // namespace

void RunProgram(Game& game) {
  StartUp(game);
  FrameRateReport report(game.engine);
  for (;;) {
    MainLoopPass(game);
    report.PassEnded();
  }
}

int RunGameProcess(Engine& engine) {
  Game game(engine);
  try {
    try {
      RunProgram(game);
    } catch (const EndRequested&) {
      // Asked from outside (a signal): the same end as every other.
      EndProgram(game);
    }
  } catch (const ProgramEnded& ended) {
    return ended.exitCode;
  }
}

}  // namespace vorantis
