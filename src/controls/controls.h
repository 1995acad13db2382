// The controls: one poll of the keyboard or the gamepad per pass, turned into a
// cursor step, a scroll of the view, a bomb or a dialog.
#pragma once

namespace vorantis {

struct Game;

// One pass of the controls: direction scan, action scan with dispatch, then the
// cursor step when stepDelay has run past cursorDelay.
void PollControls(Game& game);

}  // namespace vorantis
