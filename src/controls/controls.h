// The controls: one poll of the keyboard or the gamepad per pass, turned into a
// cursor step, a scroll of the view, a bomb or a dialog.
#pragma once

namespace vorantis {

struct Game;

void PollControls(Game& game);

}  // namespace vorantis
