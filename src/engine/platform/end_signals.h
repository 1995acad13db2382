// Interrupt, termination and hang-up signals end the game through its usual shut-down:
// the handler only notes the signal, and the next wait of the main thread (a window
// message, a sleep, a frame's pacing) throws EndRequested.
#pragma once

namespace vorantis {

// Installs the handlers (SIGINT, SIGTERM and, where the platform has it, SIGHUP), except
// for a signal that the process inherited as ignored.
void CatchEndSignals();

// Throws EndRequested once after a signal was caught; later calls do nothing.
void ThrowIfEndSignalled();

// After the program has released everything: a caught signal is raised again with its
// default action, so the parent sees the process ended by that signal. Returns only
// when no signal was caught.
void FinishEndSignal();

}  // namespace vorantis
