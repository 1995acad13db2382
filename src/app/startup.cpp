#include "app/startup.h"

#include <cstdio>
#include <cstdlib>

#include "controls/controls.h"
#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "engine/files.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"
#include "play/game_frame.h"
#include "present/catalogues.h"
#include "present/font.h"
#include "present/title.h"

namespace vorantis {

void StartUp(Game& game) {
  Engine& engine = game.engine;
  Screen& screen = engine.screen();

  game.baseDirectory = CurrentDirectoryWithBackslash();
  // Defaults of Settings and the shared state are the records' start values.
  if (!ReadSettingsFile(game.settings, game.random, game.baseDirectory,
                        game.baseDirectory + "DATA\\ini.txt")) {
    EngineReport(game, kReportConfiguration);
  }

  // The sprite system is up once the engine exists; its default key is magenta.
  screen.SetDefaultColourKey(-1, Rgb(255, 0, 255));
  engine.input().StartKeyboard();
  engine.sounds().StartSoundSystem();
  engine.input().StartMouse();
  game.gamepadPresent = static_cast<std::int8_t>(engine.input().StartGamepad() != 0 ? 1 : 0);
  engine.RegisterDecoders();

  screen.ScanDesktops();
  game.screenWidth = static_cast<float>(screen.DesktopPixelWidth(0));
  game.screenHeight = static_cast<float>(screen.DesktopPixelHeight(0));
  // A design width of 0 or below would make every glyph and object infinitely large.
  game.objectScale =
      game.settings.RESBASEW > 0 ? game.screenWidth / static_cast<float>(game.settings.RESBASEW) : 1.0f;

  const int width = static_cast<int>(game.screenWidth);
  const int height = static_cast<int>(game.screenHeight);
  const int window = screen.CreateGameWindow(-1, 0, 0, width, height, 0, game.settings.APPNAME);
  if (window == 0) EngineReport(game, kReportWindow);
  if (screen.OpenScreenInWindow(window, 0, 0, width, height, 1, 0, 0) == 0) EngineReport(game, kReportScreen);
  engine.input().SetScreenSize(width, height);

  game.level.matrix.Create(512, 512);
  LoadTileGraphics(game);
  LoadObjectDefinitions(game);
  LoadSoundEffects(game);
  LoadMusicTracks(game);
  LoadEffectSprites(game);
  LoadFont(game);
  ShowTitleScreen(game);

  if (game.settings.USESELFCREATEBASE == 1) {
    StartSelfCreatedGame(game, game.settings.SELFCREATEBASE);
  } else {
    LoadLevelFile(game, game.settings.APPENTRY + game.settings.APPSTART + ".ai42");
  }
}

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
