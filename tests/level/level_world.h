// A small data set of tile and object definitions in a scratch folder, over a
// headless engine with real sprite handles (TGA pictures) and a silent sound device.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/silent_sound_device.h"
#include "engine/tga_decoder.h"
#include "support/test_files.h"
#include "support/test_game.h"

namespace vorantis::testing {

// The codes the builders write; a LevelWorld with plain tiles gives each its own graphic.
inline constexpr const char* kLabyrinthCodes[] = {"LAB_WALL",    "LAB_FLOOR",  "LAB_GREEN",   "LAB_WATER",
                                                  "LAB_WALL_E",  "LAB_WALL_S", "LAB_GREEN_E", "LAB_GREEN_S",
                                                  "LAB_WATER_E", "LAB_WATER_S"};

class LevelWorld : public TestGame {
 public:
  explicit LevelWorld(bool plainTiles = false)
      : TestGame(640, 480, nullptr, [] { return std::make_unique<SilentSoundDevice>(); }) {
    engine->screen().RegisterImageDecoder(DecodeTga);
    OpenScreen();
    engine->sounds().StartSoundSystem();

    Settings& s = game->settings;
    for (auto [key, folderName] : {std::pair{&s.RGBCODEPATH, "codes\\"},
                                   {&s.TOPOGFX, "topo\\"},
                                   {&s.WORLDGFX, "world\\"},
                                   {&s.SOUNDFXPATH, "sfx\\"},
                                   {&s.INGAMEMUSIC, "music\\"},
                                   {&s.EGFXPATH, "effects\\"},
                                   {&s.CURSOR, "cursor.tga"},
                                   {&s.APPENTRY, "maps\\"}})
      *key = folder.GamePath() + folderName;
    s.APPSTART = "lab";
    s.GFXCODEC = ".tga";
    s.RESOLUTION = 32;
    s.MAXFOE = 10;
    folder.Write("cursor.tga", PlainTga(4, 4));
    game->level.matrix.Create(512, 512);
    if (!plainTiles) return;
    for (const char* code : kLabyrinthCodes) {
      Tile(code, {"GFXNAME", std::string(code) + ".tga"});
      TileGraphic(std::string(code) + ".tga");
    }
  }

  // A tile definition file for the code, one key and value line per pair.
  void Tile(const std::string& code, std::initializer_list<std::string> lines) const {
    folder.Write("codes/lab/" + code, Lines(lines));
  }
  void TileGraphic(const std::string& name, int width = 8, int height = 8) const {
    folder.Write("topo/" + name, PlainTga(width, height));
  }
  // An object graphic with its definition file beside it.
  void Object(const std::string& stem, std::initializer_list<std::string> lines, int width = 8,
              int height = 8) const {
    folder.Write("world/" + stem + ".tga", PlainTga(width, height));
    folder.Write("world/" + stem + ".dll", Lines(lines));
  }
  const MatrixField& Field(int column, int row) const { return game->level.matrix.At(column, row); }
  std::string Code(int column, int row) const { return Str(Field(column, row).tileCode); }

  ScratchFolder folder;
};

}  // namespace vorantis::testing
