#include <cmath>

#include "core/datafile.h"
#include "core/game.h"
#include "core/program_end.h"
#include "level/builders.h"
#include "level/level_setup.h"
#include "level/level_size.h"
#include "level/tiles.h"

namespace vorantis {

namespace {

// Column by column: rows 0..levelHeight of a column, then the next column.
struct FieldWalk {
  int column = 0;
  int row = 0;
  void Advance(int levelHeight) {
    if (++row > levelHeight) {
      ++column;
      row = 0;
    }
  }
};

void ReadOpacities(Game& game, const std::string& path) {
  std::optional<LineReader> reader = LineReader::Open(path);
  // A missing opacity file keeps the opacities the tile definitions gave.
  if (!reader) return;
  for (int header = 0; header < 5; ++header) reader->ReadLine();
  FieldWalk walk;
  do {
    const std::int32_t opacity = ParseInt(reader->ReadLine());
    if (MatrixField* field = game.matrix.Find(walk.column, walk.row)) field->opacity = opacity;
    walk.Advance(game.level.levelHeight);
  } while (!reader->AtEnd() && walk.column <= game.level.levelWidth);
  RecomputeVisibleFields(game);
}

// A loaded level has no floor walk: the cursor starts on its first floor field and the
// counters are set as the walk would set them, so that the countdown does not start at 0.
void PrepareLoadedLevelForPlay(Game& game) {
  const Text floor = game.texts.Intern("LAB_FLOOR");
  std::int32_t floorFields = 0;
  int startColumn = -1;
  int startRow = -1;
  for (int column = 0; column <= game.level.levelWidth; ++column) {
    for (int row = 0; row <= game.level.levelHeight; ++row) {
      const MatrixField* field = game.matrix.Find(column, row);
      if (field == nullptr || field->tileCode != floor) continue;
      ++floorFields;
      if (startColumn < 0) {
        startColumn = column;
        startRow = row;
      }
    }
  }
  if (startColumn < 0) {
    startColumn = 1;
    startRow = 1;
  }
  LoadPlayerGraphic(game);
  game.cursor.heading = heading::kNone;
  game.cursor.x = static_cast<float>(startColumn) * game.tileSize();
  game.cursor.y = static_cast<float>(startRow) * game.tileSize();
  game.play.tilesLeft = (game.play.tilesLeft + floorFields) / 4;
  game.play.timeLeft = game.play.tilesLeft / 4;
  if (game.play.timeLeft > 60) game.play.timeLeft = 60;
}

}  // namespace

void LoadLevelFile(Game& game, const std::string& levelPath) {
  std::optional<LineReader> reader = LineReader::Open(levelPath);
  if (!reader) EngineReport(game, kReportLevelFile);
  std::string header[5];
  for (std::string& line : header) line = reader->ReadLine();
  game.level.levelWidth = ClampLevelSide(ParseInt(header[1]));
  game.level.levelHeight = ClampLevelSide(ParseInt(header[2]));
  game.matrix.CreateAtLeast(game.level.levelWidth, game.level.levelHeight);
  game.play.tilesLeft = 0;

  const bool withSprites = game.settings.USESPRITE3D == 1;
  FieldWalk walk;
  do {
    std::string code = reader->ReadLine();
    code += reader->ReadLine();
    code += reader->ReadLine();
    if (MatrixField* field = game.matrix.Find(walk.column, walk.row)) {
      field->tileCode = game.texts.Intern(code);
      field->inLevel = 1;
      if (withSprites) {
        LoadTileDefinition(game, walk.column, walk.row, TileDefinitionPath(game, code));
        AssignFieldGraphic(game, walk.column, walk.row, Str(field->gfxName));
        SpawnFieldObjects(game, walk.column, walk.row);
      }
    }
    walk.Advance(game.level.levelHeight);
    LevelFileProgressStep(game);
  } while (!reader->AtEnd() && walk.column <= game.level.levelWidth);
  RecomputeVisibleFields(game);

  ReadOpacities(game, game.settings.APPENTRY + game.settings.APPSTART + ".red");
  PrepareLoadedLevelForPlay(game);
}

}  // namespace vorantis
