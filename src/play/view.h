// The fields the frame visits: the visible rows, and one column more than fits on the
// screen, from the view origin.
#pragma once

#include <algorithm>
#include <cmath>

#include "core/game.h"
#include "core/nearest_int.h"
#include "level/level_size.h"

namespace vorantis {

struct FieldsInView {
  int firstColumn = 0;
  int firstRow = 0;
  int rows = 0;     // rows j = 0 .. rows - 1
  int columns = 0;  // columns i = 0 .. columns, inclusive
};

inline FieldsInView VisitedFields(const Game& game) {
  FieldsInView view{NearestInt(game.play.originColumn), NearestInt(game.play.originRow),
                    NearestInt(game.level.visibleRows), NearestInt(game.level.visibleColumns)};
  // Fields beyond the grid are void and every pass skips them, so the walk ends at its
  // edge: a frame never costs more than the grid holds.
  const long long rowsLeft = static_cast<long long>(game.level.matrix.rows()) - view.firstRow;
  const long long columnsLeft = static_cast<long long>(game.level.matrix.columns()) - 1 - view.firstColumn;
  if (rowsLeft < view.rows) view.rows = static_cast<int>(std::max(rowsLeft, 0LL));
  if (columnsLeft < view.columns) view.columns = static_cast<int>(std::max(columnsLeft, -1LL));
  return view;
}

struct FieldPosition {
  int column = 0;
  int row = 0;
  bool valid = false;  // false when the tile size shows no field (see TileSizeShowsFields)
};

// The field under the cursor's top-left corner: its screen field plus the view origin.
// The cursor, its colouring, its pickups and the bomb all start from this one field.
inline FieldPosition CursorField(const Game& game) {
  // Beyond this a position names no field the Matrix could hold.
  constexpr double kFarthestField = 1.0e9;
  FieldPosition at;
  if (!TileSizeShowsFields(game.tileSize(), game.screenWidth, game.screenHeight)) return at;
  const double tile = game.tileSize();
  const double column = std::floor(game.play.cursor.x / tile) + game.play.originColumn;
  const double row = std::floor(game.play.cursor.y / tile) + game.play.originRow;
  if (!std::isfinite(column) || !std::isfinite(row) || std::fabs(column) > kFarthestField ||
      std::fabs(row) > kFarthestField) {
    return at;
  }
  at.column = NearestInt(column);
  at.row = NearestInt(row);
  at.valid = true;
  return at;
}

}  // namespace vorantis
