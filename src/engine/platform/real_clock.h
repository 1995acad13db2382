// Time on the real machine.
#pragma once

#include <memory>

#include "engine/backends.h"

namespace vorantis {

// Sleeps for real and paces presents to at most 60 per second, so that the game
// (whose speeds are per frame) runs alike on 60, 120 and 144 Hz displays; its schedule
// lets the screen leave frames undrawn when drawing is slower than that.
std::unique_ptr<Clock> MakeRealClock();

}  // namespace vorantis
