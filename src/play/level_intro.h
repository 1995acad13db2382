// The "MAP" caption that opens a level, growing over the first picture of it.
#pragma once

namespace vorantis {

struct Game;

// Plays the caption when a level is waiting for it, once.
void ShowLevelIntro(Game& game);

}  // namespace vorantis
