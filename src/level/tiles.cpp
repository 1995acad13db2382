#include "level/tiles.h"

#include <cmath>
#include <string_view>
#include <type_traits>

#include "core/datafile.h"
#include "core/game.h"
#include "core/key_table.h"
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

// How the value line of one key is converted once, and how the converted line changes
// a field each time the definition is applied.
struct TileDefinitionKey {
  std::string_view key;
  // false drops the line: it would change nothing.
  bool (*read)(TextPool& texts, const std::string& value, TileDefinitionLine& line);
  void (*apply)(MatrixField& field, const TileDefinitionLine& line);
};

bool ReadNumber(TextPool&, const std::string& value, TileDefinitionLine& line) {
  line.number = ParseInt(value);
  return true;
}

bool ReadFlag(TextPool&, const std::string& value, TileDefinitionLine& line) {
  line.number = ParseFlag(value);
  return true;
}

bool ReadText(TextPool& texts, const std::string& value, TileDefinitionLine& line) {
  line.text = texts.Intern(value);
  return true;
}

bool ReadGraphicName(TextPool& texts, const std::string& value, TileDefinitionLine& line) {
  line.text = texts.Intern(value.empty() ? std::string_view("dummy.png") : std::string_view(value));
  return true;
}

// An unknown word leaves the heading alone.
bool ReadHeadingWord(TextPool&, const std::string& value, TileDefinitionLine& line) {
  line.number = HeadingOfWord(value);
  return line.number != 0;
}

template <auto Member>
void ApplyNumber(MatrixField& field, const TileDefinitionLine& line) {
  using Field = std::remove_reference_t<decltype(field.*Member)>;
  field.*Member = static_cast<Field>(line.number);
}

void ApplyGraphicName(MatrixField& field, const TileDefinitionLine& line) {
  field.gfxName = line.text;
}

template <int Slot>
void ApplyChild(MatrixField& field, const TileDefinitionLine& line) {
  field.childNames[Slot] = line.text;
  field.childIds[Slot] = -1;
  if (!IsEmptySlotName(line.text)) field.highestChildSlot = static_cast<std::int8_t>(Slot);
}

void ApplyTransparency(MatrixField& field, const TileDefinitionLine& line) {
  field.transparency = line.number;
  // Wraps as 32-bit arithmetic would for values far outside 0..255.
  field.opacity = static_cast<std::int32_t>(255u - static_cast<std::uint32_t>(line.number));
}

// Keys outside the table (INTERNALNAME among them) are skipped with their value.
constexpr TileDefinitionKey kKeys[] = {
    {"GFXNAME", ReadGraphicName, ApplyGraphicName},
    {"CHILD1", ReadText, ApplyChild<0>},
    {"CHILD2", ReadText, ApplyChild<1>},
    {"CHILD3", ReadText, ApplyChild<2>},
    {"CHILD4", ReadText, ApplyChild<3>},
    {"CHILD5", ReadText, ApplyChild<4>},
    {"CHILD6", ReadText, ApplyChild<5>},
    {"CHILD7", ReadText, ApplyChild<6>},
    {"CHILD8", ReadText, ApplyChild<7>},
    {"VALUE1", ReadNumber, ApplyNumber<&MatrixField::value1>},
    {"RANDOMSEED", ReadNumber, ApplyNumber<&MatrixField::randomSeed>},
    {"USECOLLISION", ReadFlag, ApplyNumber<&MatrixField::useCollision>},
    {"TRANSPARENCY", ReadNumber, ApplyTransparency},
    {"USEENEMY", ReadFlag, ApplyNumber<&MatrixField::useEnemy>},
    {"USEDIRECTION", ReadHeadingWord, ApplyNumber<&MatrixField::heading>},
};

std::shared_ptr<const TileDefinition> ParseTileDefinition(Game& game, const std::string& path) {
  std::optional<LineReader> reader = LineReader::Open(path);
  if (!reader) return nullptr;
  auto definition = std::make_shared<TileDefinition>();
  for (const KeyValue& pair : ReadPairs(*reader)) {
    const TileDefinitionKey* row = FindKeyRow(kKeys, pair.key);
    if (row == nullptr) continue;
    TileDefinitionLine line;
    line.apply = row->apply;
    if (row->read(game.texts, pair.value, line)) definition->lines.push_back(line);
  }
  return definition;
}

// Reads a tile definition file (once per path while the cache is on); nullptr when
// it cannot be opened.
std::shared_ptr<const TileDefinition> ReadTileDefinition(Game& game, const std::string& path) {
  if (!game.level.cacheTileDefinitions) return ParseTileDefinition(game, path);
  auto found = game.level.tileDefinitions.find(path);
  if (found != game.level.tileDefinitions.end()) return found->second;
  auto definition = ParseTileDefinition(game, path);
  game.level.tileDefinitions.emplace(path, definition);
  return definition;
}

void ApplyTileDefinition(Game& game, MatrixField& field, const TileDefinition& definition) {
  field.highestChildSlot = 0;
  for (const TileDefinitionLine& line : definition.lines) line.apply(field, line);
  if (Str(field.gfxName).empty()) field.gfxName = game.texts.Intern("dummy.png");
  field.objectCollision = -1;
}

// Finishes size and drawing offset of an object just spawned from definition.
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

}  // namespace

std::string TileDefinitionPath(const Game& game, const std::string& tileCode) {
  const Settings& s = game.settings;
  std::string path;
  path.reserve(s.RGBCODEPATH.size() + s.APPSTART.size() + 1 + tileCode.size());
  path.append(s.RGBCODEPATH).append(s.APPSTART).append(1, '\\').append(tileCode);
  return path;
}

void LoadTileDefinition(Game& game, int column, int row, const std::string& path) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (field == nullptr) return;
  std::shared_ptr<const TileDefinition> definition = ReadTileDefinition(game, path);
  if (definition) ApplyTileDefinition(game, *field, *definition);
}

void AssignFieldGraphic(Game& game, int column, int row, const std::string& fileName) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (field == nullptr) return;
  const TileGraphic* graphic = FindTileGraphic(game, fileName);
  if (graphic == nullptr) return;
  Screen& screen = game.engine.screen();
  if (screen.Sprite3DExists(field->sprite3D)) screen.ReleaseSprite3D(field->sprite3D);
  field->sprite3D = screen.MakeSprite3D(-1, graphic->sprite);
  FitFieldSprite(game, column, row);
}

void FitFieldSprite(Game& game, int column, int row) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (field == nullptr || field->sprite3D == 0 || field->opacity <= 0) return;
  const auto side = static_cast<float>(NearestInt(game.tileSize()));
  game.engine.screen().ScaleSprite3D(field->sprite3D, side, side);
}

void SpawnFieldObjects(Game& game, int column, int row) {
  MatrixField* field = game.level.matrix.Find(column, row);
  if (field == nullptr) return;
  Screen& screen = game.engine.screen();
  field->objectCollision = 0;
  field->lastSpawnedSlot = -1;
  const int lastSlot =
      field->highestChildSlot < 0 ? -1 : (field->highestChildSlot > 7 ? 7 : field->highestChildSlot);
  for (int slot = 0; slot <= lastSlot; ++slot) {
    const std::string& slotName = Str(field->childNames[slot]);
    for (const ObjectDefinition& definition : game.level.objectDefinitions) {
      if (definition.name != slotName || definition.name == "NOPE") continue;
      if (game.random.RandomUpTo(definition.density) != 0) continue;
      FieldObject object;
      object.sprite3D = screen.MakeSprite3D(-1, definition.sprite);
      object.width = static_cast<float>(screen.SpritePixelWidth(definition.sprite)) * game.objectScale;
      object.height = static_cast<float>(screen.SpritePixelHeight(definition.sprite)) * game.objectScale;
      screen.ScaleSprite3D(object.sprite3D, static_cast<float>(NearestInt(object.width)),
                           static_cast<float>(NearestInt(object.height)));
      object.traits = definition.traits;
      AlignFieldObject(game, object, definition);
      // Objects are only ever appended, so a slot's id names its object for the whole level.
      field->childIds[slot] = static_cast<std::int32_t>(game.level.fieldObjects.size());
      field->lastSpawnedSlot = slot;
      game.level.fieldObjects.push_back(std::move(object));
      if (definition.traits.isGoody == 1) ++game.play.tilesLeft;
    }
  }
}

void PlaceTile(Game& game, int column, int row, Text tileCode) {
  MatrixField* field = game.level.matrix.Find(column, row);
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
