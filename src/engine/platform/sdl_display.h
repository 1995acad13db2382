// The desktop, window, window messages and message box through SDL2; the screen is
// a GL 3.3 core context in that window with the GL renderer.
#pragma once

#include <memory>

#include "engine/backends.h"

namespace vorantis {

// hidden: the window is never shown (tests and the replay tool).
std::unique_ptr<Display> MakeSdlDisplay(bool hidden = false);

}  // namespace vorantis
