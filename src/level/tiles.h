// Placing tiles on the labyrinth grid, with their graphics and field objects.
#pragma once

#include <string>

namespace vorantis {

struct Game;

// Sets the field's tile code and everything that follows from its definition.
void PlaceTile(Game& game, int column, int row, const std::string& tileCode);

}  // namespace vorantis
