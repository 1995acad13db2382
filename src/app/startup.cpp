#include "app/startup.h"

#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "engine/files.h"
#include "level/level_file.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"
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

}  // namespace vorantis
