// Placeholder until level set-up lands.
#include "core/game.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"

namespace vorantis {
void StartSelfCreatedGame(Game& game, const std::string&) {
  game.builtLevelNumber = game.play.levelNumber;
}
void LoadLevelFile(Game&, const std::string&) {}
void NewLevel(Game&) {}
void StartLevelMusic(Game&) {}
void ClearEnemies(Game&) {}
void ResetLevel(Game&) {}
void LoadPlayerGraphic(Game&) {}
void SpawnEnemies(Game&) {}
void FitAllFields(Game&) {}
void LoadObjectDefinitions(Game&) {}
}  // namespace vorantis
