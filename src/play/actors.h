// The field objects in view and the player: drawing, collision marks and pickups.
#pragma once

namespace vorantis {

struct Game;

// Draws the objects of the fields in view and marks the fields holding colliding ones.
void DrawFieldObjects(Game& game);
// The player collects, colours its field and is drawn.
void StepPlayer(Game& game);

}  // namespace vorantis
