#include "play/actors.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "core/saturating.h"
#include "engine/engine.h"
#include "play/floor_colouring.h"
#include "play/view.h"
#include "present/catalogues.h"

namespace vorantis {

namespace {

constexpr int kMaxSlot = 7;
constexpr std::size_t kMostBombs = 3;

// The object a slot names, or nullptr for an empty slot or a position the list lacks.
FieldObject* SlotObject(Game& game, const MatrixField& field, int slot) {
  const std::int32_t id = field.childIds[static_cast<std::size_t>(slot)];
  if (id < 0 || static_cast<std::size_t>(id) >= game.level.fieldObjects.size()) return nullptr;
  return &game.level.fieldObjects[static_cast<std::size_t>(id)];
}

int LastSlot(const MatrixField& field) {
  return field.lastSpawnedSlot > kMaxSlot ? kMaxSlot : field.lastSpawnedSlot;
}

void DrawObjectsOfField(Game& game, MatrixField& field, int i, int j) {
  Screen& screen = game.engine.screen();
  const float tile = game.tileSize();
  for (int slot = 0; slot <= LastSlot(field); ++slot) {
    if (field.childIds[static_cast<std::size_t>(slot)] == -1 || field.sprite3D == 0 || field.inLevel != 1) {
      continue;
    }
    const FieldObject* object = SlotObject(game, field, slot);
    if (!object) continue;
    const ObjectTraits& traits = object->traits;
    if (object->sprite3D != 0 && traits.show == 1 && traits.isPlayer == 0) {
      if (traits.blendSource > 0 || traits.blendDest > 0) {
        screen.SetSprite3DBlend(traits.blendSource, traits.blendDest);
      } else {
        screen.SetSprite3DBlend(kBlendSourceAlpha, kBlendInverseSourceAlpha);
      }
      screen.DrawSprite3D(object->sprite3D, NearestInt(static_cast<float>(i) * tile + object->offsetX),
                          NearestInt(static_cast<float>(j) * tile + object->offsetY), traits.alpha);
    }
    if (traits.collision != 0) field.objectCollision = 1;
  }
}

void PlayCountSound(Game& game, std::int32_t position) {
  if (game.catalogues.soundEffects.empty()) return;
  if (position < 0 || static_cast<std::size_t>(position) >= game.level.fieldObjects.size()) return;
  const ObjectTraits& traits = game.level.fieldObjects[static_cast<std::size_t>(position)].traits;
  if (traits.useCountSound != 0) PlaySoundByName(game, traits.countSound);
}

void TakeFieldObject(Game& game, int column, int row, int slot) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (!field || slot < 0 || slot > kMaxSlot) return;
  const auto k = static_cast<std::size_t>(slot);
  if (Str(field->childNames[k]) == "BOMB") {
    if (game.play.bombs.size() < kMostBombs) {
      game.play.bombs += "&";
      field->childIds[k] = -1;
    }
  } else {
    field->childIds[k] = -1;
  }
}

void CollectFieldObject(Game& game, int column, int row, int slot) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (!field || slot < 0 || slot > kMaxSlot) return;
  const std::int32_t id = field->childIds[static_cast<std::size_t>(slot)];
  const FieldObject* object = SlotObject(game, *field, slot);
  if (!object) return;
  PlayCountSound(game, id);
  const ObjectTraits& traits = object->traits;
  if (traits.killOnCollision != 0) {
    TakeFieldObject(game, column, row, slot);
    if (traits.countToScore == 0) {
      AddSaturating(game.play.totalScore, traits.score);
    } else {
      AddSaturating(game.play.countTarget, traits.score);
    }
  }
  AddSaturating(game.play.timeLeft, traits.extraTime);
}

void CollectFieldObjects(Game& game, int column, int row) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (!field || field->objectCollision == 0) return;
  for (int slot = 0; slot <= LastSlot(*field); ++slot) {
    const FieldObject* object = SlotObject(game, *field, slot);
    if (object && object->traits.collision != 0) CollectFieldObject(game, column, row, slot);
  }
}

}  // namespace

void DrawFieldObjects(Game& game) {
  if (game.play.originColumn < 0) game.play.originColumn = 0;
  if (game.play.originRow < 0) game.play.originRow = 0;
  const FieldsInView view = VisitedFields(game);
  for (int j = 0; j < view.rows; ++j) {
    for (int i = 0; i <= view.columns; ++i) {
      MatrixField* field = game.level.matrix.Find(view.firstColumn + i, view.firstRow + j);
      if (!field) continue;
      field->objectCollision = 0;
      if (game.level.fieldObjects.empty()) continue;
      DrawObjectsOfField(game, *field, i, j);
    }
  }
}

void StepPlayer(Game& game) {
  const FieldPosition at = CursorField(game);
  if (at.valid) {
    const MatrixField* field = game.level.matrix.Find(at.column, at.row);
    if (field && field->objectCollision == 1) CollectFieldObjects(game, at.column, at.row);
    PaintPlayerField(game, at.column, at.row);
  }
  Screen& screen = game.engine.screen();
  screen.TurnSprite3D(game.play.cursor.sprite3D, 1, 1);
  screen.DrawSprite3D(game.play.cursor.sprite3D, NearestInt(game.play.cursor.x),
                      NearestInt(game.play.cursor.y), 255);
  // Objects keep their list positions for the whole level, so there is no current
  // element to move back to the front here.
}

}  // namespace vorantis
