// Setting up a level: generated from the level number, or read from a level file.
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
