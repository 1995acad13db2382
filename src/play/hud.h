// The heads-up display: score, time, bombs, tiles left, level and the scrolling notice.
#pragma once

namespace vorantis {

struct Game;

// Draws the display over the frame and counts the shown score up towards its target.
void DrawHud(Game& game);

}  // namespace vorantis
