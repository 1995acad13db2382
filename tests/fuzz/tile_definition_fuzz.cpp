// A tile definition file, placed on fields of a small grid as the builders and the
// floor colouring place tiles: over an empty field, over itself and over a floor.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_world.h"
#include "level/level_setup.h"
#include "level/tiles.h"

using namespace vorantis;

namespace {
void CheckField(const Game& game, int column, int row) {
  const MatrixField& field = game.level.matrix.At(column, row);
  if (field.highestChildSlot < 0 || field.highestChildSlot > 7 || Str(field.gfxName).empty()) std::abort();
  for (std::int32_t id : field.childIds) {
    if (id < -1 || id >= static_cast<std::int32_t>(game.level.fieldObjects.size())) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::DataScratch().Write("RGB/W/FUZZ", std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::Round round(fuzz::DataWorld());
  Game& game = round.game();
  game.level.matrix.Create(6, 6);
  game.level.levelWidth = 6;
  game.level.levelHeight = 6;
  PlaceTile(game, 1, 1, "FUZZ");
  PlaceTile(game, 1, 1, "FUZZ");
  PlaceTile(game, 2, 1, "LAB_FLOOR");
  PlaceTile(game, 2, 1, "FUZZ");
  for (int column = 0; column <= 6; ++column) {
    for (int row = 0; row <= 6; ++row) game.level.matrix.At(column, row).inLevel = 1;
  }
  CheckField(game, 1, 1);
  CheckField(game, 2, 1);
  SpawnEnemies(game);
  FitAllFields(game);
  RecomputeVisibleFields(game);
  return 0;
}
