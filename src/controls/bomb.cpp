#include "controls/bomb.h"

#include "controls/cursor_step.h"
#include "core/game.h"
#include "core/saturating.h"
#include "level/tiles.h"

namespace vorantis {

namespace {

// Clears one field of a ray; false when the ray stops before it.
bool BlastField(Game& game, int column, int row) {
  const MatrixField* field = game.level.matrix.Find(column, row);
  if (field == nullptr || field->useCollision == 2) return false;
  const std::string& code = Str(field->tileCode);
  if (code == "LAB_FIXED_FLOOR" || code == "LAB_FIXED_PINK_FLOOR") {
    PlaceTile(game, column, row, "LAB_FLOOR");
    AddSaturating(game.play.tilesLeft, 1);
  }
  return true;
}

}  // namespace

void UseBomb(Game& game) {
  std::string& stock = game.play.bombs;
  if (stock.empty()) return;
  const FieldPosition at = CursorField(game);
  if (at.valid) {
    const int width = game.level.levelWidth;
    const int height = game.level.levelHeight;
    // Each ray starts on the cursor's field and never reaches the outermost column or row.
    for (int column = at.column; column < width && BlastField(game, column, at.row); ++column) {
    }
    for (int column = at.column; column > 0 && BlastField(game, column, at.row); --column) {
    }
    for (int row = at.row; row < height && BlastField(game, at.column, row); ++row) {
    }
    for (int row = at.row; row > 0 && BlastField(game, at.column, row); --row) {
    }
  }
  stock.pop_back();
}

}  // namespace vorantis
