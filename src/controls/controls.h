// The controls: one poll of the keyboard or the gamepad per pass, turned into a
// cursor step, a scroll of the view, a bomb or a dialog.
#pragma once

namespace vorantis {

struct Game;

// One pass of the controls: direction scan, action scan with dispatch, then the
// cursor step when stepDelay has run past cursorDelay.
void PollControls(Game& game);

// The direction held this pass (control::kUp .. control::kNone). On the keyboard it
// also applies Page Up and Page Down released since the last pass.
int ScanDirection(Game& game);

// Arms the bomb after a release of the primary control, then acts: a dialog, a bomb
// or nothing (the remaining actions only answer dialogs).
void DispatchAction(Game& game, int action);

}  // namespace vorantis
