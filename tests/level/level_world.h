// A small data set of tile and object definitions in a scratch folder, over a
// headless engine with real sprite handles (TGA pictures) and a silent sound device.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"
#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/scripted_input.h"
#include "engine/silent_sound_device.h"
#include "engine/tga_decoder.h"
#include "support/test_game.h"

namespace vorantis::testing {

inline void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 255);
}

// An uncompressed 24-bit true-colour picture of one colour.
inline std::string TgaPicture(int width, int height) {
  std::string out(2, '\0');
  out += '\2';
  out += std::string(9, '\0');
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 2);
  PutLittleEndian(out, static_cast<std::uint32_t>(height), 2);
  out += '\x18';
  out += '\x20';
  for (int i = 0; i < width * height; ++i) out += "\x40\x80\xC0";
  return out;
}

// A short mono 16-bit PCM sound.
inline std::string WavSound() {
  const std::uint32_t samples = 64;
  std::string out = "RIFF";
  PutLittleEndian(out, 36 + samples * 2, 4);
  out += "WAVEfmt ";
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 8000, 4);
  PutLittleEndian(out, 16000, 4);
  PutLittleEndian(out, 2, 2);
  PutLittleEndian(out, 16, 2);
  out += "data";
  PutLittleEndian(out, samples * 2, 4);
  out += std::string(samples * 2, '\x10');
  return out;
}

class LevelWorld {
 public:
  explicit LevelWorld(int screenWidth = 640, int screenHeight = 480) {
    Backends b;
    b.display = std::make_unique<HeadlessDisplay>(screenWidth, screenHeight);
    b.clock = std::make_unique<VirtualClock>();
    b.input = std::make_unique<ScriptedInput>();
    b.openSound = [] { return std::make_unique<SilentSoundDevice>(); };
    engine = std::make_unique<Engine>(std::move(b));
    game = std::make_unique<Game>(*engine);
    game->screenWidth = static_cast<float>(screenWidth);
    game->screenHeight = static_cast<float>(screenHeight);
    Screen& screen = engine->screen();
    screen.RegisterImageDecoder(DecodeTga);
    screen.CreateGameWindow(-1, 0, 0, screenWidth, screenHeight, 0, "");
    screen.OpenScreenInWindow(1, 0, 0, screenWidth, screenHeight, 1, 0, 0);
    engine->sounds().StartSoundSystem();

    Settings& s = game->settings;
    s.RGBCODEPATH = folder.GamePath() + "codes\\";
    s.APPSTART = "lab";
    s.TOPOGFX = folder.GamePath() + "topo\\";
    s.WORLDGFX = folder.GamePath() + "world\\";
    s.GFXCODEC = ".tga";
    s.SOUNDFXPATH = folder.GamePath() + "sfx\\";
    s.INGAMEMUSIC = folder.GamePath() + "music\\";
    s.EGFXPATH = folder.GamePath() + "effects\\";
    s.CURSOR = folder.GamePath() + "cursor.tga";
    s.APPENTRY = folder.GamePath() + "maps\\";
    s.RESOLUTION = 32;
    s.MAXFOE = 10;
    folder.Write("cursor.tga", TgaPicture(4, 4));
    game->matrix.Create(512, 512);
  }

  // A tile definition file for the code, one key and value line per pair.
  void Tile(const std::string& code, std::initializer_list<std::string> lines) const {
    folder.Write("codes/lab/" + code, Lines(lines));
  }
  void TileGraphic(const std::string& name, int width = 8, int height = 8) const {
    folder.Write("topo/" + name, TgaPicture(width, height));
  }
  // An object graphic with its definition file beside it.
  void Object(const std::string& stem, std::initializer_list<std::string> lines, int width = 8,
              int height = 8) const {
    folder.Write("world/" + stem + ".tga", TgaPicture(width, height));
    folder.Write("world/" + stem + ".dll", Lines(lines));
  }
  // The plain labyrinth codes, each with its own graphic and no objects.
  void PlainLabyrinthTiles() const {
    for (const char* code : {"LAB_WALL", "LAB_FLOOR", "LAB_GREEN", "LAB_WATER", "LAB_WALL_E", "LAB_WALL_S",
                             "LAB_GREEN_E", "LAB_GREEN_S", "LAB_WATER_E", "LAB_WATER_S"}) {
      Tile(code, {"GFXNAME", std::string(code) + ".tga"});
      TileGraphic(std::string(code) + ".tga");
    }
  }
  const MatrixField& Field(int column, int row) const { return game->matrix.At(column, row); }
  std::string Code(int column, int row) const { return Str(Field(column, row).tileCode); }

  ScratchFolder folder;
  std::unique_ptr<Engine> engine;
  std::unique_ptr<Game> game;
};

}  // namespace vorantis::testing
