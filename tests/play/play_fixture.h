// A game over the headless engine with an open screen, a TGA decoder for pictures
// written by the tests, sound effects that report by name, and tile definitions in
// a scratch folder so that PlaceTile works as in play.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "engine/engine.h"
#include "engine/recording_renderer.h"
#include "engine/tga_decoder.h"
#include "support/recording_observer.h"
#include "support/test_game.h"

namespace vorantis::testing {

using SeenText = RecordedText;
using PlayObserver = RecordingObserver;

inline constexpr const char* kTileSound = "tile.ogg";
inline constexpr const char* kFixedSound = "fixed.ogg";
inline constexpr const char* kPinkSound = "pink.ogg";
inline constexpr const char* kTickSound = "tick.ogg";

class PlayTest : public ::testing::Test {
 protected:
  static constexpr float kTile = 32;
  static constexpr int kFixedValue = 7;

  explicit PlayTest(int width = 800, int height = 600) : tg(width, height), game(*tg.game) {
    tg.OpenScreen();
    tg.engine->screen().RegisterImageDecoder(DecodeTga);
    game.observer = &observer;
    game.settings.RESOLUTION = kTile;
    game.settings.USESPRITE3D = 1;
    game.settings.RGBCODEPATH = scratch.GamePath();
    game.settings.APPSTART = "SET";
    game.settings.DEFTILESOUND = kTileSound;
    game.settings.FIXEDTILESOUND = kFixedSound;
    game.settings.PINKTILEFIXEDSOUND = kPinkSound;
    game.settings.TIMERSOUND = kTickSound;
    for (const char* name : {kTileSound, kFixedSound, kPinkSound, kTickSound, "count.ogg"}) {
      SoundAsset effect;
      effect.name = name;
      effect.loaded = 1;
      game.soundEffects.push_back(effect);
    }
    WriteTileDefinition("LAB_FLOOR", "");
    WriteTileDefinition("LAB_GREEN", "");
    WriteTileDefinition("LAB_BLUE_FLOOR", "");
    WriteTileDefinition("LAB_PINK_FLOOR", "");
    WriteTileDefinition("LAB_FIXED_FLOOR", Lines({"VALUE1", std::to_string(kFixedValue)}));
    WriteTileDefinition("LAB_FIXED_PINK_FLOOR", Lines({"VALUE1", "99"}));
    WriteTileDefinition("LAB_WALL", Lines({"USECOLLISION", "1"}));
    WriteTileDefinition("LAB_WALL_E", Lines({"USECOLLISION", "1"}));
  }

  void WriteTileDefinition(const std::string& code, const std::string& content) {
    scratch.Write("SET/" + code, content);
  }

  // A level of open floor, columns 0..lastColumn and rows 0..lastRow, all in view.
  void MakeFloor(int lastColumn, int lastRow) {
    game.matrix.Create(lastColumn, lastRow);
    game.level.levelWidth = lastColumn;
    game.level.levelHeight = lastRow;
    game.level.visibleColumns = static_cast<float>(lastColumn);
    game.level.visibleRows = static_cast<float>(lastRow + 1);
    for (int c = 0; c <= lastColumn; ++c)
      for (int r = 0; r <= lastRow; ++r) SetField(c, r, "LAB_FLOOR");
  }
  void SetField(int column, int row, const std::string& code, int collision = 0) {
    MatrixField& field = game.matrix.At(column, row);
    field.tileCode = game.texts.Intern(code);
    field.useCollision = static_cast<std::int8_t>(collision);
    field.inLevel = 1;
    field.opacity = 255;
    field.lastSpawnedSlot = -1;
    field.childIds.fill(-1);
  }
  std::string Code(int column, int row) { return Str(game.matrix.At(column, row).tileCode); }

  // A real 3D sprite of a plain picture, so that draws show up in the recording.
  int MakeQuad(int width, int height) {
    const std::string name = "quad" + std::to_string(nextPicture++) + ".tga";
    WritePicture(name, width, height);
    Screen& screen = tg.engine->screen();
    const int sprite = screen.LoadImageSprite(-1, scratch.GamePath() + name, kModeTexture);
    return screen.MakeSprite3D(-1, sprite);
  }
  void WritePicture(const std::string& relative, int width, int height) {
    std::string tga(18, '\0');
    tga[2] = 2;
    tga[12] = static_cast<char>(width & 255);
    tga[13] = static_cast<char>(width >> 8);
    tga[14] = static_cast<char>(height & 255);
    tga[15] = static_cast<char>(height >> 8);
    tga[16] = 24;
    tga.append(static_cast<std::size_t>(width * height * 3), '\x40');
    scratch.Write(relative, tga);
  }

  std::vector<QuadDraw> Quads() {
    std::vector<QuadDraw> quads;
    for (const auto& entry : tg.recorder()->entries())
      if (entry.kind == RecordingRenderer::Kind::kQuad) quads.push_back(entry.quad);
    return quads;
  }
  int Presents() {
    int count = 0;
    for (const auto& entry : tg.recorder()->entries())
      if (entry.kind == RecordingRenderer::Kind::kPresent) ++count;
    return count;
  }
  int CountSounds(const std::string& name) {
    int count = 0;
    for (const auto& sound : observer.sounds) count += sound == name ? 1 : 0;
    return count;
  }

  ScratchFolder scratch;
  TestGame tg;
  Game& game;
  PlayObserver observer;
  int nextPicture = 0;
};

}  // namespace vorantis::testing
