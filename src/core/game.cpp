#include "core/game.h"

#include "engine/engine.h"

namespace vorantis {

Game::Game(Engine& e) : engine(e), random([&e] { return e.TickCount(); }) {}

}  // namespace vorantis
