// A game on a 1920 x 1080 headless screen run inside a generated data folder, loaded in
// start-up's order: the text keys (the tile definition folder, say) are relative to the folder,
// and the music pick draws from the generator between the seeding and the build.
#pragma once

#include <filesystem>

#include "core/settings.h"
#include "engine/files.h"
#include "engine/platform/image_decoders.h"
#include "level/object_definitions.h"
#include "present/catalogues.h"
#include "support/test_game.h"

namespace vorantis::testing {

class DataGame {
 public:
  explicit DataGame(const char* folder = "game") {
    std::filesystem::current_path(std::filesystem::path(VORANTIS_BINARY_DIR) / folder);
    t.OpenScreen();
    RegisterImageDecoders(t.engine->screen());
    game.baseDirectory = CurrentDirectoryWithBackslash();
    read = ReadSettingsFile(s, game.random, game.baseDirectory, game.baseDirectory + "DATA\\ini.txt");
    game.objectScale = game.screenWidth / static_cast<float>(s.RESBASEW);
    game.level.matrix.Create(512, 512);
    LoadTileGraphics(game);
    LoadObjectDefinitions(game);
    LoadSoundEffects(game);
    LoadMusicTracks(game);
  }
  ~DataGame() { std::filesystem::current_path(previous); }

  std::filesystem::path previous = std::filesystem::current_path();
  TestGame t{1920, 1080};
  Game& game = *t.game;
  Settings& s = game.settings;
  bool read = false;
};

}  // namespace vorantis::testing
