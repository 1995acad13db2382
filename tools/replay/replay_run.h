// One replay: the game's own start-up and main loop on a headless engine.
#pragma once

#include <iosfwd>

#include "options.h"

namespace vorantis::replay {

// Runs the game as the options say; answers the tool's exit code (the game's own
// exit code once the program ended, 0 when stopped at the pass limit, 2 on a mistake
// in the options, the script or the output files). Messages go to `errors`.
int RunReplay(const Options& options, std::ostream& errors);

}  // namespace vorantis::replay
