// The self-create base file: its size lines decide the first generated level.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/datafile.h"
#include "core/program_end.h"
#include "fuzz_world.h"
#include "level/level_setup.h"

using namespace vorantis;

namespace {
// Bases above this build levels of up to 1024 x 1024 fields, a second or more each:
// the same code at a size that would starve the search.
constexpr std::int32_t kLargestBase = 128;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LineReader lines(std::vector<std::uint8_t>(data, data + size));
  lines.ReadLine();
  if (ParseInt(lines.ReadLine()) > kLargestBase || ParseInt(lines.ReadLine()) > kLargestBase) return -1;

  const fuzz::Scratch& scratch = fuzz::DataScratch();
  scratch.Write("DATA/base.txt", std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::Round round(fuzz::DataWorld());
  Game& game = round.game();
  game.settings.SELFCREATEBASE = scratch.GamePath("DATA/base.txt");
  try {
    StartSelfCreatedGame(game, game.settings.SELFCREATEBASE);
  } catch (const ProgramEnded&) {
    std::abort();  // the file is there: no report may end the program
  }
  const LevelState& level = game.level;
  if (level.levelWidth < 0 || level.levelHeight < 0 || level.levelWidth > 1024 || level.levelHeight > 1024)
    std::abort();
  if (!game.level.matrix.Contains(level.levelWidth, level.levelHeight)) std::abort();
  return 0;
}
