// One step of the cursor by a whole field, or one field of scrolling of the view.
#pragma once

#include "play/view.h"

namespace vorantis {

struct Game;

// Steps towards direction (control::kUp .. control::kRight) unless the target field
// blocks; a step past the middle of the screen scrolls the view instead.
void StepCursor(Game& game, int direction);

}  // namespace vorantis
