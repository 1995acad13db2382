#include "engine/engine.h"

namespace vorantis {

Engine::Engine(Backends backends)
    : backends_(std::move(backends)),
      screen_(backends_.display.get(), backends_.clock.get()),
      sounds_(backends_.openSound),
      input_(backends_.input.get(), backends_.display.get()) {}

Engine::~Engine() = default;

void Engine::Shutdown() {
  // The program's end releases the 3D sprites, then the sounds, then the screen.
  sounds_.Shutdown();
  screen_.Shutdown();
}

}  // namespace vorantis
