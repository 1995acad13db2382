// What the fuzz targets share: a scratch folder per process, a headless engine whose
// renderer draws nothing, and a fresh Game per input over a small data set.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "../support/scratch_folder.h"
#include "../support/test_files.h"
#include "core/datafile.h"
#include "core/game.h"
#include "core/program_end.h"
#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/null_renderer.h"
#include "engine/platform/image_decoders.h"
#include "engine/scripted_input.h"
#include "engine/silent_sound_device.h"
#include "level/object_definitions.h"
#include "present/catalogues.h"

namespace vorantis::fuzz {

// The suite's scratch folder, with paths below it as the game writes them: backslashes,
// and a folder ("" or a name ending in '/') ends in one.
struct Scratch : testing::ScratchFolder {
  std::string GamePath(const std::string& relative = "") const {
    std::string p = ScratchFolder::GamePath() + relative;
    std::replace(p.begin(), p.end(), '/', '\\');
    return p;
  }
  void Write(const std::string& relative, std::string_view bytes) const {
    ScratchFolder::Write(relative, std::string(bytes));
  }
  void Remove(const std::string& relative) const {
    std::error_code ec;
    std::filesystem::remove(path() / relative, ec);
  }
};

// Pictures are plain TGA: the engine reads them without a codec library.
using testing::PlainTga;

// The data set the game-level targets read: two tile graphics, three object graphics
// (a goody, an enemy and one without definition), tile definitions for the codes the
// builders write, a cursor and a few glyphs.
inline void WriteDataSet(const Scratch& scratch) {
  scratch.Write("TILES/wall.tga", PlainTga(4, 4));
  scratch.Write("TILES/floor.tga", PlainTga(4, 4));
  scratch.Write("WORLD/coin.tga", PlainTga(3, 5));
  scratch.Write(
      "WORLD/coin.dll",
      "DGFXNAME\nCOIN\nDDENSITY\n0\nDISGOODY\n1\nDHOTSPOT\nCENTER\nDCENTERFIELD\n1\nDFITTOMATRIX\n1\n");
  scratch.Write("WORLD/foe.tga", PlainTga(6, 2));
  scratch.Write("WORLD/foe.dll", "DGFXNAME\nFOE\nDISENEMY\n1\nDDENSITY\n1\nDHOTSPOT\nBOTTOMRIGHT\n");
  scratch.Write("WORLD/hat.tga", PlainTga(2, 2));
  scratch.Write("RGB/W/LAB_WALL", "GFXNAME\nwall.tga\nUSECOLLISION\n1\n");
  scratch.Write("RGB/W/LAB_FLOOR", "GFXNAME\nfloor.tga\nCHILD1\nCOIN\nUSEENEMY\n1\nVALUE1\n5\n");
  scratch.Write("RGB/W/LAB_GREEN", "GFXNAME\nfloor.tga\nCHILD2\nFOE\nCHILD1\n#\n");
  scratch.Write("RGB/W/LAB_WATER", "GFXNAME\nmissing.tga\nTRANSPARENCY\n255\n");
  scratch.Write("GFX/cursor.tga", PlainTga(4, 4));
  for (const char* glyph : {"A", "I", "_a", "POINT", "BOMB", "S"})
    scratch.Write(std::string("FONT/") + glyph + ".png", PlainTga(5, 7));
}

// One engine for the process with the data set's catalogues loaded once, and a fresh
// Game over it for each input; Release frees what that Game made, so inputs do not
// meet each other's sprites.
class World {
 public:
  // Without catalogues the World is a bare headless screen with the picture decoders.
  explicit World(const Scratch& scratch, bool withCatalogues = true) : scratch_(scratch) {
    Backends b;
    b.display = std::make_unique<HeadlessDisplay>(
        320, 240, [](int, int) -> std::unique_ptr<Renderer> { return std::make_unique<NullRenderer>(); });
    b.clock = std::make_unique<VirtualClock>();
    b.input = std::make_unique<ScriptedInput>();
    b.openSound = [] { return std::make_unique<SilentSoundDevice>(); };
    engine_ = std::make_unique<Engine>(std::move(b));
    Screen& screen = engine_->screen();
    RegisterImageDecoders(screen);
    screen.CreateGameWindow(-1, 0, 0, 320, 240, 0, "");
    screen.OpenScreenInWindow(1, 0, 0, 320, 240, 1, 0, 0);
    if (!withCatalogues) return;
    catalogues_ = NewGame(false);
    LoadTileGraphics(*catalogues_);
    LoadObjectDefinitions(*catalogues_);
  }

  Screen& screen() { return engine_->screen(); }

  // A Game with the data set's settings and, when asked, its catalogues: tile graphics
  // always, object definitions with withDefinitions (their sprites stay the World's).
  std::unique_ptr<Game> NewGame(bool withDefinitions = true) {
    auto game = std::make_unique<Game>(*engine_);
    game->screenWidth = 320;
    game->screenHeight = 240;
    game->baseDirectory = scratch_.GamePath();
    Settings& s = game->settings;
    s.RESOLUTION = 16;
    s.RESBASEW = 320;
    s.TOPOGFX = scratch_.GamePath("TILES/");
    s.WORLDGFX = scratch_.GamePath("WORLD/");
    s.GFXCODEC = ".tga";
    s.RGBCODEPATH = scratch_.GamePath("RGB/");
    s.APPSTART = "W";
    s.APPENTRY = scratch_.GamePath("LEVELS/");
    s.FONTPATH = scratch_.GamePath("FONT/");
    s.CURSOR = scratch_.GamePath("GFX/cursor.tga");
    s.MAXFOE = 4;
    s.USESPRITE3D = 1;
    s.USEEXTENDEDTOPO = 1;
    game->objectScale = game->screenWidth / static_cast<float>(s.RESBASEW);
    game->random.SeedRandom(7);
    if (catalogues_) {
      game->catalogues.tileGraphics = catalogues_->catalogues.tileGraphics;
      if (withDefinitions) game->level.objectDefinitions = catalogues_->level.objectDefinitions;
    }
    return game;
  }

  // Frees every sprite and 3D sprite the Game holds that is not the World's own.
  void Release(Game& game, bool ownsDefinitions) {
    Screen& s = screen();
    auto quad = [&s](std::int32_t handle) {
      if (s.Sprite3DExists(handle)) s.ReleaseSprite3D(handle);
    };
    auto sprite = [&s](std::int32_t handle) {
      if (s.SpriteExists(handle)) s.ReleaseSprite(handle);
    };
    for (int column = 0; column < game.level.matrix.columns(); ++column) {
      for (int row = 0; row < game.level.matrix.rows(); ++row)
        quad(game.level.matrix.At(column, row).sprite3D);
    }
    for (const FieldObject& object : game.level.fieldObjects) quad(object.sprite3D);
    for (const Enemy& enemy : game.level.enemies) quad(enemy.sprite3D);
    for (const EffectSprite& effect : game.catalogues.effectSprites) quad(effect.sprite3D);
    for (const Glyph& glyph : game.font.glyphs) {
      quad(glyph.sprite3D);
      sprite(glyph.sprite);
    }
    quad(game.play.cursor.sprite3D);
    sprite(game.play.cursor.sprite);
    quad(game.play.screenShot3D);
    sprite(game.play.screenShot);
    quad(game.title.sprite3D);
    sprite(game.title.sprite);
    if (ownsDefinitions) {
      for (const ObjectDefinition& definition : game.level.objectDefinitions) sprite(definition.sprite);
    }
  }

 private:
  const Scratch& scratch_;
  std::unique_ptr<Engine> engine_;
  std::unique_ptr<Game> catalogues_;
};

// One input's Game over the World, released when the input is done.
class Round {
 public:
  explicit Round(World& world, bool withDefinitions = true)
      : world_(world), game_(world.NewGame(withDefinitions)), ownsDefinitions_(!withDefinitions) {}
  ~Round() { world_.Release(*game_, ownsDefinitions_); }
  Round(const Round&) = delete;
  Round& operator=(const Round&) = delete;
  Game& game() { return *game_; }

 private:
  World& world_;
  std::unique_ptr<Game> game_;
  bool ownsDefinitions_;
};

// The scratch folder with the data set written, made on first use.
inline const Scratch& DataScratch() {
  static const Scratch scratch;
  static const bool written = (WriteDataSet(scratch), true);
  (void)written;
  return scratch;
}

// A level of side x side fields, every field in it.
inline void SmallLevel(Game& game, int side) {
  game.level.matrix.Create(side, side);
  game.level.levelWidth = game.level.levelHeight = side;
  for (int column = 0; column <= side; ++column) {
    for (int row = 0; row <= side; ++row) game.level.matrix.At(column, row).inLevel = 1;
  }
}

// Whether a file's second and third lines, its declared sides, are at most `largest`.
inline bool SidesAtMost(std::string_view text, std::int32_t largest) {
  LineReader lines(std::vector<std::uint8_t>(text.begin(), text.end()));
  lines.ReadLine();
  return ParseInt(lines.ReadLine()) <= largest && ParseInt(lines.ReadLine()) <= largest;
}

// The World over the data set, made on first use.
inline World& DataWorld() {
  static World world(DataScratch());
  return world;
}

// A promise the harness checks: when it fails libFuzzer keeps the input as a crash.
inline void Require(bool holds) {
  if (!holds) std::abort();
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The harnesses over the data set: the input written to `file` in it, then `read` given a
// fresh Game and the file's path as the game writes it. The file is there, so no report
// may end the program.
template <typename Read>
int ReadDataFile(const std::string& file, std::string_view input, Read read, bool withDefinitions = true) {
  DataScratch().Write(file, input);
  Round round(DataWorld(), withDefinitions);
  try {
    read(round.game(), DataScratch().GamePath(file));
  } catch (const ProgramEnded&) {
    std::abort();
  }
  return 0;
}

}  // namespace vorantis::fuzz
