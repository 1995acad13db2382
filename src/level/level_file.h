// Reading a level file: its fields with their tiles and objects, the opacities beside it,
// and the cursor, counters and countdown that play starts from.
#pragma once

#include <string>

namespace vorantis {

struct Game;

// Ends the program through a report when the file cannot be opened.
void LoadLevelFile(Game& game, const std::string& levelPath);

}  // namespace vorantis
