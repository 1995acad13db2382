// The field objects in view and the player: drawing, collision marks and pickups.
#pragma once

#include <cstdint>

namespace vorantis {

struct Game;

// Draws the objects of the fields in view and marks the fields holding colliding ones.
void DrawFieldObjects(Game& game);
// The player collects, colours its field and is drawn.
void StepPlayer(Game& game);
void CollectFieldObjects(Game& game, int column, int row);
void CollectFieldObject(Game& game, int column, int row, int slot);
void TakeFieldObject(Game& game, int column, int row, int slot);
void PlayCountSound(Game& game, std::int32_t position);

}  // namespace vorantis
