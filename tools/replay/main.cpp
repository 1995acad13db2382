// vorantis-replay: runs the game's own start-up and main loop headless, driven by an
// input script, and writes what it saw (state, trace, frames).
#include <iostream>
#include <string>
#include <vector>

#include "options.h"
#include "replay_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string error;
  auto options = vorantis::replay::ParseOptions(arguments, VORANTIS_DEFAULT_DATA, error);
  if (!options) {
    std::cerr << "vorantis-replay: " << error << "\n" << vorantis::replay::UsageText();
    return 2;
  }
  if (options->help) {
    std::cout << vorantis::replay::UsageText();
    return 0;
  }
  return vorantis::replay::RunReplay(*options, std::cerr);
}
