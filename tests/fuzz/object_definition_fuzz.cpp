// An object definition file beside its graphic, loaded with the world folder, then
// spawned as a field object and as an enemy, and played for a few frames with the
// cursor on its field.
#include "fuzz_world.h"
#include "level/level_setup.h"
#include "level/tiles.h"
#include "play/game_frame.h"

using namespace vorantis;

namespace {

void LoadSpawnAndPlay(Game& game) {
  LoadObjectDefinitions(game);
  const ObjectDefinition* fuzzed = nullptr;
  for (const ObjectDefinition& definition : game.level.objectDefinitions) {
    if (definition.fileName == "zz.tga") fuzzed = &definition;
  }
  fuzz::Require(fuzzed != nullptr);

  fuzz::SmallLevel(game, 8);
  for (int column = 0; column <= 8; ++column) {
    for (int row = 0; row <= 8; ++row)
      PlaceTile(game, column, row, column % 8 == 0 || row % 8 == 0 ? "LAB_WALL" : "LAB_FLOOR");
  }
  MatrixField& field = game.level.matrix.At(2, 2);
  field.childNames[0] = game.texts.Intern(fuzzed->name);
  field.highestChildSlot = 0;
  SpawnFieldObjects(game, 2, 2);
  SpawnEnemies(game);
  FitAllFields(game);
  RecomputeVisibleFields(game);

  game.play.cursor.x = 2 * game.tileSize();
  game.play.cursor.y = 2 * game.tileSize();
  game.play.timeLeft = 30;
  game.settings.USESPRITE3D = 1;
  try {
    for (int frame = 0; frame < 6; ++frame) RunGameFrame(game);
  } catch (const ProgramEnded&) {  // play may end the game
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool graphic = (fuzz::DataScratch().Write("WORLD/zz.tga", fuzz::PlainTga(7, 3)), true);
  (void)graphic;
  return fuzz::ReadDataFile(
      "WORLD/zz.dll", fuzz::Text(data, size), [](Game& game, const std::string&) { LoadSpawnAndPlay(game); },
      false);
}
