// Placeholder until the controls land.
#include "controls/controls.h"
#include "core/game.h"

namespace vorantis {
void PollControls(Game&) {}
}  // namespace vorantis
