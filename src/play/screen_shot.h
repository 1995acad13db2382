// The grab of the finished back buffer that the zoom, the level intro and the game
// over redraw from.
#pragma once

#include <string>

namespace vorantis {

struct Game;

// Grabs the back buffer from (1, 1), FULLSCREENZOOM times the screen less one pixel,
// into screenShot and makes screenShot3D from it. The handles of the last grab are
// reused, so a grab on every frame does not pile up handles.
void GrabScreenShot(Game& game);
void FreeScreenShot(Game& game);

// Grabs the finished frame and shows `caption` over it, spreading out and drifting left
// from `left` screen widths, one frame for every `step` pixels of the screen's width.
void ShowCaptionOverScreenShot(Game& game, const std::string& caption, float left, float step,
                               float spreadPerFrame);

}  // namespace vorantis
