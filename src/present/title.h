// The title and credits screen shown once at start-up.
#pragma once

#include <string>

namespace vorantis {

struct Game;

// The title image's file name: the first "#" of the pattern replaced by the digit;
// empty when the pattern has no "#".
std::string TitleImageName(const std::string& pattern, int digit);

// Returns after START on the gamepad, or any key when no gamepad is present.
void ShowTitleScreen(Game& game);

}  // namespace vorantis
