// Placing tiles on the labyrinth grid: tile definitions, field graphics and the
// objects that a field's child slots spawn.
#pragma once

#include <string>

#include "core/text_pool.h"

namespace vorantis {

struct Game;

// Sets the field's tile code and everything that follows from its definition:
// definition, graphic, then the field's objects. Fields outside the grid are left alone.
void PlaceTile(Game& game, int column, int row, const std::string& tileCode);
void PlaceTile(Game& game, int column, int row, Text tileCode);

// Where the definition of a tile code lies.
std::string TileDefinitionPath(const Game& game, const std::string& tileCode);

// Applies the definition file at path to the field; a missing file changes nothing.
void LoadTileDefinition(Game& game, int column, int row, const std::string& path);

// Gives the field a new 3D sprite of the named tile graphic; an unknown name
// leaves the field's sprite as it was.
void AssignFieldGraphic(Game& game, int column, int row, const std::string& fileName);

// Zooms the field's 3D sprite to the tile size unless it is invisible.
void FitFieldSprite(Game& game, int column, int row);

// Spawns the objects of the field's child slots, each with its own random draw.
void SpawnFieldObjects(Game& game, int column, int row);

// visibleColumns and visibleRows from the screen and tile sizes.
void RecomputeVisibleFields(Game& game);

}  // namespace vorantis
