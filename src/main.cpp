// The game's entry: no arguments are read; the current directory holds the data.
#include "app/main_loop.h"
#include "engine/engine.h"
#include "engine/platform/desktop_backends.h"
#include "engine/platform/end_signals.h"

int main() {
  int exitCode = 0;
  {
    vorantis::Engine engine(vorantis::MakeDesktopBackends());
    exitCode = vorantis::RunGameProcess(engine);
  }
  // Ended by a signal: everything is released, so the signal may now take its course.
  vorantis::FinishEndSignal();
  return exitCode;
}
