// Setting up a level: a generated one from the level number, and what every level
// needs around its fields (music, enemies, the player graphic, sprite sizes).
#pragma once

#include <string>

namespace vorantis {

struct Game;

void StartSelfCreatedGame(Game& game, const std::string& basePath);
void NewLevel(Game& game);

void StartLevelMusic(Game& game);
void ClearEnemies(Game& game);
void ResetLevel(Game& game);
void LoadPlayerGraphic(Game& game);
void SpawnEnemies(Game& game);
void FitAllFields(Game& game);

}  // namespace vorantis
