#include "level/object_definitions.h"

#include "core/datafile.h"
#include "core/game.h"
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

// Sets the record field of one definition key; unknown keys change nothing.
void ApplyObjectDefinitionKey(ObjectDefinition& definition, const std::string& key,
                              const std::string& value) {
  if (key == "DGFXNAME") {
    definition.name = value.empty() || value == "#" ? "NOPE" : value;
  } else if (key == "DGFXTRANSPARENCY") {
    definition.alpha = ParseInt(value);
  } else if (key == "DDENSITY") {
    definition.density = ParseInt(value);
  } else if (key == "DFITTOMATRIX") {
    definition.fitToMatrix = ParseFlag(value);
  } else if (key == "DCOLLISION") {
    definition.collision = ParseFlag(value);
  } else if (key == "DHOTSPOT") {
    definition.hotspot = value;
  } else if (key == "DXMODE1") {
    definition.blendSource = ParseInt(value);
  } else if (key == "DXMODE2") {
    definition.blendDest = ParseInt(value);
  } else if (key == "DGFXSHOW") {
    definition.show = ParseFlag(value);
  } else if (key == "DCENTERFIELD") {
    definition.centerField = ParseFlag(value);
  } else if (key == "DKILLONCOLLISION") {
    definition.killOnCollision = ParseFlag(value);
  } else if (key == "DSCORE") {
    definition.score = ParseInt(value);
  } else if (key == "DCOUNTTOSCORE") {
    definition.countToScore = ParseFlag(value);
  } else if (key == "DUSECOUNTSOUND") {
    definition.useCountSound = ParseFlag(value);
  } else if (key == "DCOUNTSOUND") {
    definition.countSound = value;
  } else if (key == "DISPLAYER") {
    definition.isPlayer = ParseFlag(value);
  } else if (key == "DISENEMY") {
    definition.isEnemy = ParseFlag(value);
  } else if (key == "DRANDOMMOVE") {
    definition.randomMove = ParseInt(value);
  } else if (key == "DMOVEX") {
    definition.moveX = ParseInt(value);
  } else if (key == "DMOVEY") {
    definition.moveY = ParseInt(value);
  } else if (key == "DVELOX") {
    definition.veloX = ParseInt(value);
  } else if (key == "DVELOY") {
    definition.veloY = ParseInt(value);
  } else if (key == "DAILEVEL") {
    definition.aiLevel = ParseFlag(value);
  } else if (key == "DDMOVE") {
    definition.dMove = ParseInt(value);
  } else if (key == "DCHANGEDIRECTION") {
    definition.changeDirection = ParseInt(value);
  } else if (key == "DISGOODY") {
    definition.isGoody = ParseFlag(value);
  } else if (key == "DEXTRATIME") {
    definition.extraTime = ParseInt(value);
  } else if (key == "DROTATE") {
    definition.rotate = ParseInt(value);
  }
  // DLIFETIME, DPOWERUP and unknown keys change nothing.
}

}  // namespace

void LoadObjectDefinitions(Game& game) {
  Screen& screen = game.engine.screen();
  for (const ObjectDefinition& definition : game.objectDefinitions) {
    if (screen.SpriteExists(definition.sprite)) screen.ReleaseSprite(definition.sprite);
  }
  game.objectDefinitions.clear();
  screen.SetDefaultColourKey(-1, Rgb(255, 255, 255));

  const std::string& folder = game.settings.WORLDGFX;
  const std::string& ending = game.settings.GFXCODEC;
  for (const std::string& name : ListFolder(folder, "*" + ending)) {
    ObjectDefinition definition;
    definition.path = folder + name;
    definition.fileName = FileNamePart(definition.path);
    definition.sprite = screen.LoadImageSprite(-1, definition.path, kModeTexture);
    if (std::optional<LineReader> reader = LineReader::Open(DefinitionPathOf(definition.path, ending))) {
      for (const KeyValue& pair : ReadPairs(*reader))
        ApplyObjectDefinitionKey(definition, pair.key, pair.value);
    }
    game.objectDefinitions.push_back(std::move(definition));
  }
}

}  // namespace vorantis
