// A level file and its opacity file, given as one input: the level file, then the
// marker line "@@RED@@" and the opacity file. Without the marker there is no opacity file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/datafile.h"
#include "core/program_end.h"
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
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t marker = input.find(kMarker);
  const std::string_view level = input.substr(0, marker);

  LineReader header(std::vector<std::uint8_t>(level.begin(), level.end()));
  header.ReadLine();
  if (ParseInt(header.ReadLine()) > kLargestSide || ParseInt(header.ReadLine()) > kLargestSide) return -1;

  const fuzz::Scratch& scratch = fuzz::DataScratch();
  scratch.Write("LEVELS/W.ai42", level);
  if (marker != std::string_view::npos) {
    scratch.Write("LEVELS/W.red", input.substr(marker + kMarker.size()));
  } else {
    scratch.Remove("LEVELS/W.red");
  }
  fuzz::Round round(fuzz::DataWorld());
  Game& game = round.game();
  try {
    LoadLevelFile(game, game.settings.APPENTRY + game.settings.APPSTART + ".ai42");
  } catch (const ProgramEnded&) {
    std::abort();  // the file is there: no report may end the program
  }
  const LevelState& state = game.level;
  if (!game.level.matrix.Contains(state.levelWidth, state.levelHeight)) std::abort();
  return 0;
}
