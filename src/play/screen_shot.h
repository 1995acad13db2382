// The grab of the finished back buffer that the zoom, the level intro and the game
// over redraw from.
#pragma once

namespace vorantis {

struct Game;

// Grabs the back buffer from (1, 1), FULLSCREENZOOM times the screen less one pixel,
// into screenShot and makes screenShot3D from it. The handles of the last grab are
// reused, so a grab on every frame does not pile up handles.
void GrabScreenShot(Game& game);
void FreeScreenShot(Game& game);

}  // namespace vorantis
