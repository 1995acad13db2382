// The labyrinth builders: a level of solid wall carved by random walks, with edge
// kinds and the build progress bars.
#pragma once

#include <string_view>

namespace vorantis {

struct Game;

enum class WalkKind { kFloor, kGrass, kWater };

// Every field of columns 0..width and rows 0..height becomes "LAB_WALL".
void FillWalls(Game& game, int width, int height);

// One walk from (1, 1) of width x height steps, turning the wall it meets into the
// walk's kind. The floor walk also places the cursor and sets tilesLeft and timeLeft.
void RandomWalk(Game& game, int width, int height, WalkKind kind);

// With USEEXTENDEDTOPO 1: gives floor beside wall, grass or water its edge kind.
void EdgePass(Game& game);

// Uncoloured floor: "LAB_FLOOR" or one of the edge kinds the edge pass gives it. Play
// colours, counts and fixes them all alike.
bool IsUncolouredFloor(std::string_view code);

// One step of the progress bar while a level file is read.
void LevelFileProgressStep(Game& game);

}  // namespace vorantis
