// The records the game keeps in its lists: catalogue entries, glyphs, object
// definitions, field objects and enemies.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/text_pool.h"

namespace vorantis {

// Heading codes shared by the cursor, tile definitions and enemies.
namespace heading {
inline constexpr int kDefault = 13;
inline constexpr int kDown = 14;
inline constexpr int kLeft = 15;
inline constexpr int kRight = 16;
inline constexpr int kUp = 17;
inline constexpr int kNone = 18;
}  // namespace heading

struct TileGraphic {
  std::string path;
  std::int32_t sprite = 0;
  std::string fileName;
  float width = 0;
  float height = 0;
};

// An entry of the sound effects or of the music tracks.
struct SoundAsset {
  std::string path;
  std::string name;  // sound effects only
  std::int32_t sound = 0;
  std::int8_t playing = 0;
  std::int8_t loaded = 0;
};

struct EffectSprite {
  float x = 0;
  float y = 0;
  std::int32_t sprite3D = 0;
  float speedX = 0;
  float speedY = 0;
};

struct Glyph {
  float height = 0;
  float width = 0;
  std::int32_t sprite = 0;
  std::int32_t sprite3D = 0;
  std::string name;
};

// What a field object or an enemy takes over from the definition it is spawned from.
// Ordered for packing.
struct ObjectTraits {
  std::string countSound{};  // braced, so that designated initializers may leave it out
  std::int32_t alpha = 0;
  std::int32_t blendSource = 0;
  std::int32_t blendDest = 0;
  std::int32_t score = 0;
  std::int32_t extraTime = 0;
  std::int8_t show = 0;
  std::int8_t collision = 0;
  std::int8_t killOnCollision = 0;
  std::int8_t countToScore = 0;
  std::int8_t useCountSound = 0;
  std::int8_t isPlayer = 0;
  std::int8_t isGoody = 0;
};

// How an enemy moves and turns; field objects never move, so they do without it.
struct EnemyMotion {
  std::int32_t randomMove = 0;
  std::int32_t moveX = 0;
  std::int32_t moveY = 0;
  std::int32_t veloX = 0;
  std::int32_t veloY = 0;
  std::int8_t aiLevel = 0;
  std::int32_t dMove = 0;
  std::int32_t changeDirection = 0;
  std::int32_t rotate = 0;
};

struct ObjectDefinition {
  std::string path;
  std::string fileName;
  std::int32_t sprite = 0;
  std::string name;
  std::int32_t density = 0;
  std::int8_t fitToMatrix = 0;
  std::string hotspot;
  std::int8_t centerField = 0;
  std::int8_t isEnemy = 0;
  ObjectTraits traits{};
  EnemyMotion motion{};
};

// A large level holds tens of thousands of these: the floats below sit in the
// traits' tail padding.
struct FieldObject {
  [[no_unique_address]] ObjectTraits traits{};
  float width = 0;
  float height = 0;
  float offsetX = 0;
  float offsetY = 0;
  std::int32_t sprite3D = 0;
};

struct Enemy {
  std::int32_t x = 0;
  std::int32_t y = 0;
  float offsetX = 0;
  float offsetY = 0;
  float width = 0;
  float height = 0;
  std::int32_t sprite3D = 0;
  std::int32_t heading = 0;
  ObjectTraits traits{};  // pickup traits carried but unused: nothing collects an enemy
  EnemyMotion motion{};
};

struct MatrixField;

// A tile definition file as read once from disk: its known key lines in file order,
// each with its value already converted and the rule of its key, so that applying it
// to a field behaves as reading the file line by line.
struct TileDefinitionLine {
  void (*apply)(MatrixField& field, const TileDefinitionLine& line) = nullptr;
  Text text = nullptr;  // GFXNAME and CHILDn values, interned
  std::int32_t number = 0;
};

struct TileDefinition {
  std::vector<TileDefinitionLine> lines;
};

struct EdgeCandidate {
  std::int32_t column = 0;
  std::int32_t row = 0;
  Text tileCode = nullptr;
};

}  // namespace vorantis
