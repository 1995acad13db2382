// A game on an open floor, with a scripted keyboard and pad and an observer that
// records polls, texts and sounds and can change the input before each poll.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/controls.h"
#include "engine/input.h"
#include "support/recording_observer.h"
#include "support/test_game.h"

namespace vorantis::testing {

class ControlsTest : public ::testing::Test {
 protected:
  static constexpr float kTile = 32;

  ControlsTest() : game(*tg.game), input(*tg.input) {
    game.observer = &observer;
    game.settings.RESOLUTION = kTile;
    game.settings.cursorDelay = 0;
    game.settings.DEFTILESOUND = "step.ogg";
    game.catalogues.soundEffects.push_back({"", "step.ogg", 0, 0, 1});
    MakeFloor(20, 20);
  }

  // Columns and rows 0..last, all of the code given.
  void MakeFloor(int lastColumn, int lastRow, const std::string& code = "LAB_FLOOR") {
    game.level.matrix.Create(lastColumn, lastRow);
    game.level.levelWidth = lastColumn;
    game.level.levelHeight = lastRow;
    for (int c = 0; c <= lastColumn; ++c)
      for (int r = 0; r <= lastRow; ++r) SetField(c, r, code, 0);
  }
  void SetField(int column, int row, const std::string& code, int collision) {
    MatrixField& field = game.level.matrix.At(column, row);
    field.tileCode = game.texts.Intern(code);
    field.useCollision = static_cast<std::int8_t>(collision);
  }
  // Puts the cursor on the field (column, row) of the screen, view origin unchanged.
  void PlaceCursor(int column, int row) {
    game.play.cursor.x = column * kTile;
    game.play.cursor.y = row * kTile;
  }
  void Hold(std::vector<int> keys) {
    input.keyboard = {};
    for (int k : keys) input.SetKey(k, true);
  }
  void Polls(int count) {
    for (int i = 0; i < count; ++i) PollControls(game);
  }

  TestGame tg;
  Game& game;
  ScriptedInput& input;
  RecordingObserver observer;
};

}  // namespace vorantis::testing
