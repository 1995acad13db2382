// The play fixture on a 21 x 21 open floor, with the keyboard and pad held by the test.
#pragma once

#include <vector>

#include "controls/controls.h"
#include "engine/input.h"
#include "play/play_fixture.h"

namespace vorantis::testing {

class ControlsTest : public PlayTest {
 protected:
  ControlsTest() : input(*tg.input) {
    game.settings.cursorDelay = 0;
    MakeFloor(20, 20);
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

  ScriptedInput& input;
};

}  // namespace vorantis::testing
