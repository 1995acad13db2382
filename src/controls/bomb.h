// The bomb: clears fixed floor back to plain floor along four rays from the cursor.
#pragma once

namespace vorantis {

struct Game;

// Does nothing with an empty stock; otherwise blasts and uses up one bomb.
void UseBomb(Game& game);

}  // namespace vorantis
