// A level file and its opacity file, given as one input: the level file, then the
// marker line "@@RED@@" and the opacity file. Without the marker there is no opacity file.
#include "fuzz_world.h"
#include "level/level_file.h"

using namespace vorantis;

namespace {

constexpr std::string_view kMarker = "\n@@RED@@\n";

// The grid is made and scanned at the size the header declares (up to 1024 x 1024),
// whatever else the file holds: allowed, but slow enough to starve the search.
constexpr std::int32_t kLargestSide = 128;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fuzz::Text(data, size);
  const std::size_t marker = input.find(kMarker);
  const std::string_view level = input.substr(0, marker);
  if (!fuzz::SidesAtMost(level, kLargestSide)) return -1;

  if (marker != std::string_view::npos) {
    fuzz::DataScratch().Write("LEVELS/W.red", input.substr(marker + kMarker.size()));
  } else {
    fuzz::DataScratch().Remove("LEVELS/W.red");
  }
  return fuzz::ReadDataFile("LEVELS/W.ai42", level, [](Game& game, const std::string& path) {
    LoadLevelFile(game, path);
    fuzz::Require(game.level.matrix.Contains(game.level.levelWidth, game.level.levelHeight));
  });
}
