// The real backends of the installed game: SDL2 window and input, OpenGL drawing,
// OpenAL sound, and the image and Ogg Vorbis decoders.
#pragma once

#include "engine/backends.h"

namespace vorantis {

Backends MakeDesktopBackends();

}  // namespace vorantis
