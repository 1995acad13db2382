// The labyrinth of the level being played: its Matrix, object definitions, field
// objects and enemies, its size and the progress of its building. Plain data, so
// that core/game.h can hold it without depending on level/'s functions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/matrix.h"
#include "core/records.h"

namespace vorantis {

struct ProgressBar {
  float length = 1.0f;
  std::int32_t flips = 0;
};

struct LevelState {
  Matrix matrix;
  std::vector<ObjectDefinition> objectDefinitions;
  // Objects keep their index for the whole level: a field's child slot names it.
  std::vector<FieldObject> fieldObjects;
  std::vector<Enemy> enemies;

  // The level number the Matrix was last built for; -1 asks for a new build.
  std::int32_t builtLevelNumber = 0;
  std::int32_t levelWidth = 0;
  std::int32_t levelHeight = 0;
  std::int32_t baseWidth = 0;
  std::int32_t baseHeight = 0;
  float visibleColumns = 0;
  float visibleRows = 0;
  ProgressBar builderBar;
  ProgressBar fileBar;
  std::vector<EdgeCandidate> edgeCandidates;
  // Tile definition files parsed once per path for the run (the data does not change
  // while the game runs); nullptr marks a file that could not be opened.
  std::unordered_map<std::string, std::shared_ptr<const TileDefinition>> tileDefinitions;
  // Off: every placement reads its definition file from disk again (for comparison).
  bool cacheTileDefinitions = true;
};

}  // namespace vorantis
