// The game's entry: no arguments are read; the current directory holds the data.
#include "app/startup.h"
#include "engine/engine.h"
#include "engine/platform/desktop_backends.h"

int main() {
  int exitCode = 0;
  {
    vorantis::Engine engine(vorantis::MakeDesktopBackends());
    exitCode = vorantis::RunGameProcess(engine);
  }
  return exitCode;
}
