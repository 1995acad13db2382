// The --state document: how the run ended and the game's state at that moment.
#pragma once

#include <cstdint>
#include <string>

namespace vorantis {
struct Game;
}

namespace vorantis::replay {

struct RunEnd {
  enum class Kind { kRunning, kEnded, kReport };
  Kind kind = Kind::kRunning;
  int exitCode = 0;
  int reportCode = 0;
  std::string title;
  std::string text;
};

std::string StateJson(const Game& game, const RunEnd& end, std::int64_t passes, std::int64_t frames);

}  // namespace vorantis::replay
