#include "level/object_definitions.h"

#include <string_view>

#include "core/datafile.h"
#include "core/game.h"
#include "core/key_table.h"
#include "engine/engine.h"
#include "engine/files.h"

namespace vorantis {

namespace {

std::string FileNamePart(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Where the definition of a graphic lies: its path cut before the ending, plus ".dll".
// A path without the ending in the same letter case keeps its whole name.
std::string DefinitionPathOf(const std::string& graphicPath, const std::string& ending) {
  const std::size_t position = ending.empty() ? std::string::npos : graphicPath.find(ending);
  return (position == std::string::npos ? graphicPath : graphicPath.substr(0, position)) + ".dll";
}

// How the value line of one key is stored in the record.
struct DefinitionKey {
  std::string_view key;
  void (*store)(ObjectDefinition& definition, const std::string& value);
};

// The references are typed: a row that names a field of another width does not compile.
template <auto... Path>
void StoreNumber(ObjectDefinition& definition, const std::string& value) {
  std::int32_t& field = MemberAt<Path...>(definition);
  field = ParseInt(value);
}

template <auto... Path>
void StoreFlag(ObjectDefinition& definition, const std::string& value) {
  std::int8_t& field = MemberAt<Path...>(definition);
  field = ParseFlag(value);
}

template <auto... Path>
void StoreText(ObjectDefinition& definition, const std::string& value) {
  std::string& field = MemberAt<Path...>(definition);
  field = value;
}

// "#" is the mark of an empty child slot, so no slot can name such a definition.
void StoreName(ObjectDefinition& definition, const std::string& value) {
  definition.name = value.empty() || value == "#" ? "NOPE" : value;
}

void Ignore(ObjectDefinition&, const std::string&) {}

constexpr auto kTraits = &ObjectDefinition::traits;
constexpr auto kMotion = &ObjectDefinition::motion;

// Keys outside the table are skipped with their value.
constexpr DefinitionKey kKeys[] = {
    {"DGFXNAME", StoreName},
    {"DGFXTRANSPARENCY", StoreNumber<kTraits, &ObjectTraits::alpha>},
    {"DDENSITY", StoreNumber<&ObjectDefinition::density>},
    {"DFITTOMATRIX", StoreFlag<&ObjectDefinition::fitToMatrix>},
    {"DCOLLISION", StoreFlag<kTraits, &ObjectTraits::collision>},
    {"DHOTSPOT", StoreText<&ObjectDefinition::hotspot>},
    {"DXMODE1", StoreNumber<kTraits, &ObjectTraits::blendSource>},
    {"DXMODE2", StoreNumber<kTraits, &ObjectTraits::blendDest>},
    {"DGFXSHOW", StoreFlag<kTraits, &ObjectTraits::show>},
    {"DCENTERFIELD", StoreFlag<&ObjectDefinition::centerField>},
    {"DKILLONCOLLISION", StoreFlag<kTraits, &ObjectTraits::killOnCollision>},
    {"DSCORE", StoreNumber<kTraits, &ObjectTraits::score>},
    {"DCOUNTTOSCORE", StoreFlag<kTraits, &ObjectTraits::countToScore>},
    {"DUSECOUNTSOUND", StoreFlag<kTraits, &ObjectTraits::useCountSound>},
    {"DCOUNTSOUND", StoreText<kTraits, &ObjectTraits::countSound>},
    {"DISPLAYER", StoreFlag<kTraits, &ObjectTraits::isPlayer>},
    {"DISENEMY", StoreFlag<&ObjectDefinition::isEnemy>},
    {"DRANDOMMOVE", StoreNumber<kMotion, &EnemyMotion::randomMove>},
    {"DMOVEX", StoreNumber<kMotion, &EnemyMotion::moveX>},
    {"DMOVEY", StoreNumber<kMotion, &EnemyMotion::moveY>},
    {"DVELOX", StoreNumber<kMotion, &EnemyMotion::veloX>},
    {"DVELOY", StoreNumber<kMotion, &EnemyMotion::veloY>},
    {"DAILEVEL", StoreFlag<kMotion, &EnemyMotion::aiLevel>},
    {"DDMOVE", StoreNumber<kMotion, &EnemyMotion::dMove>},
    {"DCHANGEDIRECTION", StoreNumber<kMotion, &EnemyMotion::changeDirection>},
    {"DISGOODY", StoreFlag<kTraits, &ObjectTraits::isGoody>},
    {"DEXTRATIME", StoreNumber<kTraits, &ObjectTraits::extraTime>},
    {"DROTATE", StoreNumber<kMotion, &EnemyMotion::rotate>},
    {"DLIFETIME", Ignore},  // known, but changes nothing
    {"DPOWERUP", Ignore},
};

}  // namespace

void LoadObjectDefinitions(Game& game) {
  Screen& screen = game.engine.screen();
  for (const ObjectDefinition& definition : game.level.objectDefinitions) {
    if (screen.SpriteExists(definition.sprite)) screen.ReleaseSprite(definition.sprite);
  }
  game.level.objectDefinitions.clear();
  screen.SetDefaultColourKey(-1, Rgb(255, 255, 255));

  const std::string& folder = game.settings.WORLDGFX;
  const std::string& ending = game.settings.GFXCODEC;
  for (const std::string& name : ListFolder(folder, "*" + ending)) {
    ObjectDefinition definition;
    definition.path = folder + name;
    definition.fileName = FileNamePart(definition.path);
    definition.sprite = screen.LoadImageSprite(-1, definition.path, kModeTexture);
    if (std::optional<LineReader> reader = LineReader::Open(DefinitionPathOf(definition.path, ending))) {
      for (const KeyValue& pair : ReadPairs(*reader)) {
        if (const DefinitionKey* row = FindKeyRow(kKeys, pair.key)) row->store(definition, pair.value);
      }
    }
    game.level.objectDefinitions.push_back(std::move(definition));
  }
}

}  // namespace vorantis
