// A tile definition file, placed on fields of a small grid as the builders and the
// floor colouring place tiles: over an empty field, over itself and over a floor.
#include "fuzz_world.h"
#include "level/level_setup.h"
#include "level/tiles.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzz::ReadDataFile("RGB/W/FUZZ", fuzz::Text(data, size), [](Game& game, const std::string&) {
    fuzz::SmallLevel(game, 6);
    for (const char* code : {"FUZZ", "FUZZ"}) PlaceTile(game, 1, 1, code);
    for (const char* code : {"LAB_FLOOR", "FUZZ"}) PlaceTile(game, 2, 1, code);
    for (int column : {1, 2}) {
      const MatrixField& field = game.level.matrix.At(column, 1);
      fuzz::Require(field.highestChildSlot >= 0 && field.highestChildSlot <= 7 &&
                    !Str(field.gfxName).empty());
      for (std::int32_t id : field.childIds)
        fuzz::Require(id >= -1 && id < static_cast<std::int32_t>(game.level.fieldObjects.size()));
    }
    SpawnEnemies(game);
    FitAllFields(game);
    RecomputeVisibleFields(game);
  });
}
