// The program's entry: start-up in its fixed order, then the main loop.
#pragma once

namespace vorantis {

class Engine;
struct Game;

// Everything from the settings to the first level; ends the program through a report when it cannot go on.
void StartUp(Game& game);

// One pass of the main loop.
void MainLoopPass(Game& game);

// Start-up, then passes without end; leaves only by ProgramEnded (or a backend's EndRequested).
[[noreturn]] void RunProgram(Game& game);

// Runs the whole program on the engine and answers its exit code.
int RunGameProcess(Engine& engine);

}  // namespace vorantis
