// A game over the headless engine with an open screen, TGA pictures written by the tests,
// sound effects that report by name, and tile definitions in a scratch folder so that
// PlaceTile works as in play.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/tga_decoder.h"
#include "play/actors.h"
#include "play/game_frame.h"
#include "support/recording_observer.h"
#include "support/test_files.h"
#include "support/test_game.h"

namespace vorantis::testing {

class PlayTest : public ::testing::Test {
 protected:
  static constexpr float kTile = 32;
  using Kind = RecordingRenderer::Kind;

  explicit PlayTest(int width = 800, int height = 600) : tg(width, height), game(*tg.game) {
    tg.OpenScreen();
    tg.engine->screen().RegisterImageDecoder(DecodeTga);
    game.observer = &observer;
    Settings& s = game.settings;
    s.RESOLUTION = kTile;
    s.USESPRITE3D = 1;
    s.RGBCODEPATH = scratch.GamePath();
    s.APPSTART = "SET";
    s.DEFTILESOUND = "tile.ogg";
    s.FIXEDTILESOUND = "fixed.ogg";
    s.PINKTILEFIXEDSOUND = "pink.ogg";
    s.TIMERSOUND = "tick.ogg";
    for (const char* name : {"tile.ogg", "fixed.ogg", "pink.ogg", "tick.ogg", "count.ogg"})
      game.catalogues.soundEffects.push_back(SoundAsset{"", name, 0, 0, 1});
    // Other tiles have no definition: placing them keeps the field's values.
    scratch.Write("SET/LAB_FIXED_FLOOR", Lines({"VALUE1", "7"}));
    scratch.Write("SET/LAB_FIXED_PINK_FLOOR", Lines({"VALUE1", "99"}));
  }

  // A level of open floor (or of the code given), columns 0..lastColumn and rows 0..lastRow, all in view.
  void MakeFloor(int lastColumn, int lastRow, const std::string& code = "LAB_FLOOR") {
    game.level.matrix.Create(lastColumn, lastRow);
    game.level.levelWidth = lastColumn;
    game.level.levelHeight = lastRow;
    game.level.visibleColumns = static_cast<float>(lastColumn);
    game.level.visibleRows = static_cast<float>(lastRow + 1);
    for (int c = 0; c <= lastColumn; ++c)
      for (int r = 0; r <= lastRow; ++r) SetField(c, r, code);
  }
  void SetField(int column, int row, const std::string& code, int collision = 0) {
    MatrixField& field = game.level.matrix.At(column, row);
    field.tileCode = game.texts.Intern(code);
    field.useCollision = static_cast<std::int8_t>(collision);
    field.inLevel = 1;
    field.opacity = 255;
    field.lastSpawnedSlot = -1;
    field.childIds.fill(-1);
  }
  std::string Code(int column, int row) { return Str(game.level.matrix.At(column, row).tileCode); }
  // Objects count only on fields that have a graphic: every field of the level gets one.
  void GiveEveryFieldAQuad() {
    const int quad = MakeQuad(32, 32);
    for (int c = 0; c <= game.level.levelWidth; ++c)
      for (int r = 0; r <= game.level.levelHeight; ++r) game.level.matrix.At(c, r).sprite3D = quad;
    game.level.fieldObjects.reserve(8);  // Put hands out references into the list
  }
  // An object in a child slot of the field, taken when touched.
  FieldObject& Put(int column, int row, int slot = 0, int score = 0, const std::string& name = "GOODY") {
    MatrixField& field = game.level.matrix.At(column, row);
    field.childIds[static_cast<std::size_t>(slot)] = static_cast<int>(game.level.fieldObjects.size());
    field.childNames[static_cast<std::size_t>(slot)] = game.texts.Intern(name);
    field.lastSpawnedSlot = std::max<int>(field.lastSpawnedSlot, slot);
    FieldObject& object = game.level.fieldObjects.emplace_back();
    object.traits.collision = object.traits.killOnCollision = 1;
    object.traits.score = score;
    return object;
  }
  // An object pass and a player step per frame with the cursor on field (column, row).
  void StandOn(int column, int row, int frames = 1) {
    game.play.cursor.x = static_cast<float>(column) * kTile + 3;
    game.play.cursor.y = static_cast<float>(row) * kTile + 3;
    for (int frame = 0; frame < frames; ++frame) {
      DrawFieldObjects(game);
      StepPlayer(game);
    }
  }

  // A real 3D sprite of a plain picture, so that draws show up in the recording.
  int MakeQuad(int width, int height) {
    const std::string name = "quad" + std::to_string(nextPicture++) + ".tga";
    scratch.Write(name, PlainTga(width, height));
    Screen& screen = tg.engine->screen();
    return screen.MakeSprite3D(-1, screen.LoadImageSprite(-1, scratch.GamePath() + name, kModeTexture));
  }

  std::vector<RecordingRenderer::Entry> Logged(Kind kind) {
    std::vector<RecordingRenderer::Entry> out;
    for (const auto& entry : tg.recorder()->entries())
      if (entry.kind == kind) out.push_back(entry);
    return out;
  }
  std::vector<QuadDraw> Quads() {
    std::vector<QuadDraw> quads;
    for (const auto& entry : Logged(Kind::kQuad)) quads.push_back(entry.quad);
    return quads;
  }

  ScratchFolder scratch;
  TestGame tg;
  Game& game;
  RecordingObserver observer;
  int nextPicture = 0;
};

}  // namespace vorantis::testing
