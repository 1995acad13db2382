// Start-up in its fixed order, from the settings to the first level.
#pragma once

namespace vorantis {

struct Game;

// Everything from the settings to the first level; ends the program through a report when it cannot go on.
void StartUp(Game& game);

}  // namespace vorantis
