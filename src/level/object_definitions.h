// Object definitions: every graphic of the world folder with its ".dll" text file.
#pragma once

namespace vorantis {

struct Game;

void LoadObjectDefinitions(Game& game);

}  // namespace vorantis
