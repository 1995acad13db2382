#include "level/tiles.h"

#include <cmath>

#include "core/datafile.h"
#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"
#include "level/hotspot.h"
#include "level/level_size.h"
#include "present/catalogues.h"

namespace vorantis {

namespace {

std::int8_t HeadingOfWord(const std::string& word) {
  if (word == "DEFAULT") return heading::kDefault;
  if (word == "UP") return heading::kUp;
  if (word == "DOWN") return heading::kDown;
  if (word == "LEFT") return heading::kLeft;
  if (word == "RIGHT") return heading::kRight;
  return 0;
}

bool IsEmptySlotName(Text name) {
  const std::string& text = Str(name);
  return text.size() == 1 && text[0] == '#';
}

// The key lines that change a field, converted once; other keys are dropped here.
std::shared_ptr<const TileDefinition> ParseTileDefinition(Game& game, const std::string& path) {
  std::optional<LineReader> reader = LineReader::Open(path);
  if (!reader) return nullptr;
  auto definition = std::make_shared<TileDefinition>();
  for (const KeyValue& pair : ReadPairs(*reader)) {
    TileDefinitionLine line;
    const std::string& key = pair.key;
    if (key == "GFXNAME") {
      line.key = TileKey::kGfxName;
      line.text = game.texts.Intern(pair.value.empty() ? std::string("dummy.png") : pair.value);
    } else if (key.size() == 6 && key.compare(0, 5, "CHILD") == 0 && key[5] >= '1' && key[5] <= '8') {
      line.key = TileKey::kChild;
      line.slot = static_cast<std::int8_t>(key[5] - '1');
      line.text = game.texts.Intern(pair.value);
    } else if (key == "VALUE1") {
      line.key = TileKey::kValue1;
      line.number = ParseInt(pair.value);
    } else if (key == "RANDOMSEED") {
      line.key = TileKey::kRandomSeed;
      line.number = ParseInt(pair.value);
    } else if (key == "USECOLLISION") {
      line.key = TileKey::kUseCollision;
      line.number = ParseFlag(pair.value);
    } else if (key == "TRANSPARENCY") {
      line.key = TileKey::kTransparency;
      line.number = ParseInt(pair.value);
    } else if (key == "USEENEMY") {
      line.key = TileKey::kUseEnemy;
      line.number = ParseFlag(pair.value);
    } else if (key == "USEDIRECTION") {
      line.key = TileKey::kUseDirection;
      line.number = HeadingOfWord(pair.value);
      if (line.number == 0) continue;  // an unknown word leaves the heading alone
    } else {
      continue;
    }
    definition->lines.push_back(line);
  }
  return definition;
}

void ApplyTileDefinition(Game& game, MatrixField& field, const TileDefinition& definition) {
  field.highestChildSlot = 0;
  for (const TileDefinitionLine& line : definition.lines) {
    switch (line.key) {
      case TileKey::kGfxName:
        field.gfxName = line.text;
        break;
      case TileKey::kChild:
        field.childNames[line.slot] = line.text;
        field.childIds[line.slot] = -1;
        if (!IsEmptySlotName(line.text)) field.highestChildSlot = line.slot;
        break;
      case TileKey::kValue1:
        field.value1 = line.number;
        break;
      case TileKey::kRandomSeed:
        field.randomSeed = line.number;
        break;
      case TileKey::kUseCollision:
        field.useCollision = static_cast<std::int8_t>(line.number);
        break;
      case TileKey::kTransparency:
        field.transparency = line.number;
        // Wraps as 32-bit arithmetic would for values far outside 0..255.
        field.opacity = static_cast<std::int32_t>(255u - static_cast<std::uint32_t>(line.number));
        break;
      case TileKey::kUseEnemy:
        field.useEnemy = static_cast<std::int8_t>(line.number);
        break;
      case TileKey::kUseDirection:
        field.heading = static_cast<std::int8_t>(line.number);
        break;
    }
  }
  if (Str(field.gfxName).empty()) field.gfxName = game.texts.Intern("dummy.png");
  field.objectCollision = -1;
}

}  // namespace

std::string TileDefinitionPath(const Game& game, const std::string& tileCode) {
  const Settings& s = game.settings;
  std::string path;
  path.reserve(s.RGBCODEPATH.size() + s.APPSTART.size() + 1 + tileCode.size());
  path.append(s.RGBCODEPATH).append(s.APPSTART).append(1, '\\').append(tileCode);
  return path;
}

std::shared_ptr<const TileDefinition> ReadTileDefinition(Game& game, const std::string& path) {
  if (!game.level.cacheTileDefinitions) return ParseTileDefinition(game, path);
  auto found = game.level.tileDefinitions.find(path);
  if (found != game.level.tileDefinitions.end()) return found->second;
  auto definition = ParseTileDefinition(game, path);
  game.level.tileDefinitions.emplace(path, definition);
  return definition;
}

void LoadTileDefinition(Game& game, int column, int row, const std::string& path) {
  MatrixField* field = game.matrix.Find(column, row);
  if (field == nullptr) return;
  std::shared_ptr<const TileDefinition> definition = ReadTileDefinition(game, path);
  if (definition) ApplyTileDefinition(game, *field, *definition);
}

void AssignFieldGraphic(Game& game, int column, int row, const std::string& fileName) {
  MatrixField* field = game.matrix.Find(column, row);
  if (field == nullptr) return;
  const TileGraphic* graphic = FindTileGraphic(game, fileName);
  if (graphic == nullptr) return;
  Screen& screen = game.engine.screen();
  if (screen.Sprite3DExists(field->sprite3D)) screen.ReleaseSprite3D(field->sprite3D);
  field->sprite3D = screen.MakeSprite3D(-1, graphic->sprite);
  FitFieldSprite(game, column, row);
}

void FitFieldSprite(Game& game, int column, int row) {
  MatrixField* field = game.matrix.Find(column, row);
  if (field == nullptr || field->sprite3D == 0 || field->opacity <= 0) return;
  const auto side = static_cast<float>(NearestInt(game.tileSize()));
  game.engine.screen().ScaleSprite3D(field->sprite3D, side, side);
}

void AlignFieldObject(Game& game, FieldObject& object, const ObjectDefinition& definition) {
  Screen& screen = game.engine.screen();
  if (!screen.Sprite3DExists(object.sprite3D)) return;
  const float tile = game.tileSize();
  if (definition.fitToMatrix == 1) {
    object.width = tile;
    object.height = tile;
    const auto side = static_cast<float>(NearestInt(tile));
    screen.ScaleSprite3D(object.sprite3D, side, side);
  }
  ApplyHotspot(definition, object.width, object.height, tile, object.offsetX, object.offsetY);
}

void SpawnFieldObjects(Game& game, int column, int row) {
  MatrixField* field = game.matrix.Find(column, row);
  if (field == nullptr) return;
  Screen& screen = game.engine.screen();
  field->objectCollision = 0;
  field->lastSpawnedSlot = -1;
  const int lastSlot =
      field->highestChildSlot < 0 ? -1 : (field->highestChildSlot > 7 ? 7 : field->highestChildSlot);
  for (int slot = 0; slot <= lastSlot; ++slot) {
    const std::string& slotName = Str(field->childNames[slot]);
    for (const ObjectDefinition& definition : game.objectDefinitions) {
      if (definition.name != slotName || definition.name == "NOPE") continue;
      if (game.random.RandomUpTo(definition.density) != 0) continue;
      FieldObject object;
      object.sprite3D = screen.MakeSprite3D(-1, definition.sprite);
      object.width = static_cast<float>(screen.SpritePixelWidth(definition.sprite)) * game.objectScale;
      object.height = static_cast<float>(screen.SpritePixelHeight(definition.sprite)) * game.objectScale;
      screen.ScaleSprite3D(object.sprite3D, static_cast<float>(NearestInt(object.width)),
                           static_cast<float>(NearestInt(object.height)));
      object.alpha = definition.alpha;
      object.blendSource = definition.blendSource;
      object.blendDest = definition.blendDest;
      object.show = definition.show;
      object.collision = definition.collision;
      object.killOnCollision = definition.killOnCollision;
      object.score = definition.score;
      object.countToScore = definition.countToScore;
      object.countSound = definition.countSound;
      object.useCountSound = definition.useCountSound;
      object.isPlayer = definition.isPlayer;
      object.isGoody = definition.isGoody;
      object.extraTime = definition.extraTime;
      AlignFieldObject(game, object, definition);
      // Objects are only ever appended, so a slot's id names its object for the whole level.
      field->childIds[slot] = static_cast<std::int32_t>(game.fieldObjects.size());
      field->lastSpawnedSlot = slot;
      game.fieldObjects.push_back(std::move(object));
      if (definition.isGoody == 1) ++game.play.tilesLeft;
    }
  }
}

void PlaceTile(Game& game, int column, int row, Text tileCode) {
  MatrixField* field = game.matrix.Find(column, row);
  if (field == nullptr) return;
  field->tileCode = tileCode;
  LoadTileDefinition(game, column, row, TileDefinitionPath(game, Str(tileCode)));
  AssignFieldGraphic(game, column, row, Str(field->gfxName));
  SpawnFieldObjects(game, column, row);
}

void PlaceTile(Game& game, int column, int row, const std::string& tileCode) {
  PlaceTile(game, column, row, game.texts.Intern(tileCode));
}

void RecomputeVisibleFields(Game& game) {
  const float tile = game.tileSize();
  if (!TileSizeShowsFields(tile, game.screenWidth, game.screenHeight)) {
    game.level.visibleColumns = 0;
    game.level.visibleRows = 0;
    return;
  }
  game.level.visibleColumns = std::ceil(game.screenWidth / tile);
  game.level.visibleRows = std::ceil(game.screenHeight / tile);
}

}  // namespace vorantis
