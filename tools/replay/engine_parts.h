// The headless engine parts the replay runs on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "engine/backends.h"

namespace vorantis {
class Sounds;
}

namespace vorantis::replay {

// An offscreen OpenGL renderer (SDL's offscreen video driver unless the environment
// names another); nullptr when no context can be made.
std::unique_ptr<Renderer> MakeOffscreenRenderer(int width, int height);

// A sound device that needs no sound card: sounds load and play logically.
std::function<std::unique_ptr<SoundDevice>()> SilentSoundFactory();

// Lets the silent device's voices run on by the virtual time since the last call, so
// that sounds played once end as they would.
void AdvanceSilentSound(Sounds& sounds, std::uint32_t milliseconds);

// Registers the image and Ogg Vorbis decoders of the installed game.
std::function<void(Screen&, Sounds&)> DecoderRegistration();

}  // namespace vorantis::replay
