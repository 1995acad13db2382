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

// `games`: how many games a monkey run has played; 0 leaves the member out.
std::string StateJson(const Game& game, const RunEnd& end, std::int64_t passes, std::int64_t frames,
                      std::int64_t games = 0);

}  // namespace vorantis::replay
