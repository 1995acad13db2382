// The whole game on the default data, played with a gamepad that SDL itself reports: a
// virtual controller read through the real SDL input path.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/main_loop.h"
#include "app/startup.h"
#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/sdl_input.h"
#include "engine/platform/testing/sdl_virtual_pad.h"
#include "support/recording_observer.h"

namespace vorantis {
namespace {

using enum PadButton;

// Presses START on the title, then plays by the pass number: the walk that fixes floor on
// level 1 of the default data, a bomb, pause and restart, quit.
class PadPlayer : public testing::RecordingObserver {
 public:
  explicit PadPlayer(VirtualPad& pad) : pad_(pad) {}

  void OnTitleWait() override {
    RecordingObserver::OnTitleWait();
    pad_.SetButton(kStart, titleWaits == 1);
  }
  void OnControlsPoll() override {
    const int pass = polls;
    RecordingObserver::OnControlsPoll();
    const int kFull = 32767;
    auto stick = [&](int x, int y) {
      pad_.SetAxis(PadAxis::kLeftX, x * kFull);
      pad_.SetAxis(PadAxis::kLeftY, y * kFull);
    };
    const struct {
      int from, to, x, y;
    } walk[] = {{10, 17, 0, 1},   {18, 25, 1, 0},    {26, 33, 0, 1},   {34, 60, 1, 0},  {61, 90, 0, 1},
                {91, 115, -1, 0}, {116, 140, 0, -1}, {141, 160, 1, 0}, {161, 200, 0, 1}};
    stick(0, 0);
    for (const auto& w : walk)
      if (pass >= w.from && pass < w.to) stick(w.x, w.y);
    pad_.SetButton(kA, pass == 205);                 // button 2: a bomb
    pad_.SetButton(kStart, pass == 210);             // button 10: pause
    pad_.SetButton(kBack, pass == 230);              // button 9: quit
    pad_.SetButton(kB, pass == 213 || pass == 233);  // button 3: restart, then quit
  }

 private:
  VirtualPad& pad_;
};

TEST(SdlPadGame, DefaultDataPlaysWithAVirtualController) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  const std::filesystem::path data = std::filesystem::path(VORANTIS_BINARY_DIR) / "game";
  if (!std::filesystem::exists(data / "DATA/ini.txt")) GTEST_SKIP() << "the default data is not built";
  VirtualPad pad;
  if (!pad.attached()) GTEST_SKIP() << "SDL refused a virtual joystick";

  Backends backends;
  backends.display = std::make_unique<HeadlessDisplay>(640, 480);
  backends.clock = std::make_unique<VirtualClock>();
  backends.input = MakeSdlInput();
  backends.registerDecoders = [](Screen& screen, Sounds&) { RegisterImageDecoders(screen); };
  Engine engine(std::move(backends));
  Game game(engine);
  PadPlayer player(pad);
  game.observer = &player;

  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(data);
  bool ended = false;
  int scoreBeforeRestart = 0;
  bool fixedBeforeRestart = false;
  try {
    StartUp(game);
    EXPECT_EQ(game.gamepadPresent, 1);
    while (player.polls < 400) {
      if (player.polls == 204) {
        scoreBeforeRestart = game.play.totalScore;
        for (int c = 0; c <= game.level.levelWidth; ++c)
          for (int r = 0; r <= game.level.levelHeight; ++r)
            fixedBeforeRestart |= Str(game.level.matrix.At(c, r).tileCode) == "LAB_FIXED_FLOOR";
      }
      if (player.polls == 225) {
        EXPECT_EQ(game.play.bombs, "");
        EXPECT_EQ(game.play.totalScore, game.play.bankedScore);
        EXPECT_EQ(game.level.builtLevelNumber, 1);
      }
      MainLoopPass(game);
    }
  } catch (const ProgramEnded& end) {
    ended = true;
    EXPECT_EQ(end.exitCode, 0);
  }
  std::filesystem::current_path(previous);

  EXPECT_GT(scoreBeforeRestart, 0) << "walking coloured, fixed and scored";
  EXPECT_TRUE(fixedBeforeRestart);
  auto showed = [&](const std::string& text) {
    for (const auto& t : player.texts)
      if (t.text == text) return true;
    return false;
  };
  EXPECT_TRUE(showed("  GAME PAUSED |"));
  EXPECT_TRUE(showed("  QUIT GAME ? |"));
  EXPECT_TRUE(showed("  GAME OVER |"));
  EXPECT_TRUE(ended) << "quitting ends the program";
}

}  // namespace
}  // namespace vorantis
