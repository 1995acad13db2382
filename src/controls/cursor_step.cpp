#include "controls/cursor_step.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "present/catalogues.h"

namespace vorantis {

void StepCursor(Game& game, int direction) {
  int dx = 0;
  int dy = 0;
  if (direction == control::kLeft) dx = -1;
  if (direction == control::kRight) dx = 1;
  if (direction == control::kUp) dy = -1;
  if (direction == control::kDown) dy = 1;

  // A field outside the Matrix blocks like a wall.
  const FieldPosition here = CursorField(game);
  const MatrixField* target = here.valid ? game.level.matrix.Find(here.column + dx, here.row + dy) : nullptr;
  if (target == nullptr || target->useCollision != 0) dx = dy = 0;

  Cursor& cursor = game.play.cursor;
  cursor.heading = heading::kNone;
  if (dx == -1) cursor.heading = heading::kLeft;
  if (dx == 1) cursor.heading = heading::kRight;
  if (dy == -1) cursor.heading = heading::kUp;
  if (dy == 1) cursor.heading = heading::kDown;

  if (cursor.heading != heading::kNone) {
    PlaySoundByName(game, game.settings.DEFTILESOUND);
    // The whole tile size, however large: the step lands on the next field.
    const float offsetX = static_cast<float>(NearestInt(dx * static_cast<double>(game.tileSize())));
    const float offsetY = static_cast<float>(NearestInt(dy * static_cast<double>(game.tileSize())));
    const float middleX = game.screenWidth / 2;
    const float middleY = game.screenHeight / 2;
    PlayState& play = game.play;
    switch (cursor.heading) {
      case heading::kRight:
        if (cursor.x + offsetX > middleX) {
          play.originColumn += 1;
        } else {
          cursor.x += offsetX;
        }
        break;
      case heading::kLeft:
        // The middle itself counts as the right half here, unlike the vertical test.
        if (cursor.x >= middleX) {
          cursor.x += offsetX;
        } else {
          play.originColumn -= 1;
          if (play.originColumn < 1) {
            play.originColumn = 1;
            cursor.x += offsetX;
          }
        }
        break;
      case heading::kDown:
        if (cursor.y + offsetY > middleY) {
          play.originRow += 1;
        } else {
          cursor.y += offsetY;
        }
        break;
      case heading::kUp:
        if (cursor.y > middleY) {
          cursor.y += offsetY;
        } else {
          play.originRow -= 1;
          if (play.originRow < 1) {
            play.originRow = 1;
            cursor.y += offsetY;
          }
        }
        break;
      default:
        break;
    }
  }
  cursor.heading = heading::kNone;
}

}  // namespace vorantis
