// One step of the cursor by a whole field, or one field of scrolling of the view.
#pragma once

namespace vorantis {

struct Game;

struct FieldPosition {
  int column = 0;
  int row = 0;
  bool valid = false;  // false when the tile size gives no field (0 or not a number)
};

// The Matrix field under the cursor: its screen field plus the view origin.
FieldPosition CursorField(const Game& game);

// Steps towards direction (control::kUp .. control::kRight) unless the target field
// blocks; a step past the middle of the screen scrolls the view instead.
void StepCursor(Game& game, int direction);

}  // namespace vorantis
