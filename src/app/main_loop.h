// The main loop: start-up, then one pass after another until the program ends.
#pragma once

namespace vorantis {

class Engine;
struct Game;

// One pass of the main loop.
void MainLoopPass(Game& game);

// Start-up, then passes without end; leaves only by ProgramEnded (or a backend's EndRequested).
[[noreturn]] void RunProgram(Game& game);

// Runs the whole program on the engine and answers its exit code.
int RunGameProcess(Engine& engine);

}  // namespace vorantis
