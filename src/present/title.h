// The title and credits screen shown once at start-up.
#pragma once

namespace vorantis {

struct Game;

// Returns after START on the gamepad, or any key when no gamepad is present.
void ShowTitleScreen(Game& game);

}  // namespace vorantis
