// The self-create base file: its size lines decide the first generated level.
#include "fuzz_world.h"
#include "level/level_setup.h"

using namespace vorantis;

// Bases above this build levels of up to 1024 x 1024 fields, a second or more each:
// the same code at a size that would starve the search.
constexpr std::int32_t kLargestBase = 128;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!fuzz::SidesAtMost(fuzz::Text(data, size), kLargestBase)) return -1;
  return fuzz::ReadDataFile("DATA/base.txt", fuzz::Text(data, size), [](Game& game, const std::string& path) {
    game.settings.SELFCREATEBASE = path;
    StartSelfCreatedGame(game, path);
    const LevelState& level = game.level;
    fuzz::Require(level.levelWidth >= 0 && level.levelHeight >= 0 && level.levelWidth <= 1024 &&
                  level.levelHeight <= 1024 && level.matrix.Contains(level.levelWidth, level.levelHeight));
  });
}
