// The fields the frame visits: the visible rows, and one column more than fits on the
// screen, from the view origin.
#pragma once

#include "core/game.h"
#include "core/nearest_int.h"

namespace vorantis {

struct FieldsInView {
  int firstColumn = 0;
  int firstRow = 0;
  int rows = 0;     // rows j = 0 .. rows - 1
  int columns = 0;  // columns i = 0 .. columns, inclusive
};

inline FieldsInView VisitedFields(const Game& game) {
  return {NearestInt(game.play.originColumn), NearestInt(game.play.originRow),
          NearestInt(game.level.visibleRows), NearestInt(game.level.visibleColumns)};
}

}  // namespace vorantis
