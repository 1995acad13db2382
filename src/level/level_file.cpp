#include "level/level_file.h"

#include <algorithm>

#include "core/datafile.h"
#include "core/game.h"
#include "core/program_end.h"
#include "core/saturating.h"
#include "level/builders.h"
#include "level/level_setup.h"
#include "level/level_size.h"
#include "level/tiles.h"

namespace vorantis {

namespace {

// The size a level file declares, which its fields follow, whatever part of it is kept.
// A negative side reads as 0: one column, or one row per column.
struct DeclaredSize {
  std::int64_t lastColumn = 0;
  std::int64_t lastRow = 0;
};

DeclaredSize ReadDeclaredSize(const std::string& widthLine, const std::string& heightLine) {
  DeclaredSize size;
  size.lastColumn = std::max<std::int64_t>(ParseInt(widthLine), 0);
  size.lastRow = std::max<std::int64_t>(ParseInt(heightLine), 0);
  return size;
}

// Column by column, as the file declares them: rows 0..lastRow of a column, then the next
// column. Fields beyond the kept level area are read past, so those after them still
// land on their own column and row.
struct FieldWalk {
  std::int64_t column = 0;
  std::int64_t row = 0;
  void Advance(const DeclaredSize& size) {
    if (++row > size.lastRow) {
      ++column;
      row = 0;
    }
  }
  // Once the walk has passed the kept columns (or the file's own), nothing later is kept.
  bool Done(const Game& game, const DeclaredSize& size) const {
    return column > size.lastColumn || column > game.level.levelWidth;
  }
  // The kept field this step names; nullptr beyond the kept level area.
  MatrixField* Kept(Game& game) const {
    if (column > game.level.levelWidth || row > game.level.levelHeight) return nullptr;
    return game.level.matrix.Find(static_cast<int>(column), static_cast<int>(row));
  }
};

void ReadOpacities(Game& game, const std::string& path, const DeclaredSize& size) {
  std::optional<LineReader> reader = LineReader::Open(path);
  // A missing opacity file keeps the opacities the tile definitions gave.
  if (!reader) return;
  for (int header = 0; header < 5; ++header) reader->ReadLine();
  FieldWalk walk;
  do {
    const std::int32_t opacity = ParseInt(reader->ReadLine());
    if (MatrixField* field = walk.Kept(game)) field->opacity = opacity;
    walk.Advance(size);
  } while (!reader->AtEnd() && !walk.Done(game, size));
  RecomputeVisibleFields(game);
}

// A loaded level has no floor walk: the cursor starts on its first floor field and the
// counters are set as the walk would set them, so that the countdown does not start at 0.
// Floor is what play colours and counts as floor: "LAB_FLOOR" and its edge kinds.
void PrepareLoadedLevelForPlay(Game& game) {
  std::int32_t floorFields = 0;
  int startColumn = -1;
  int startRow = -1;
  for (int column = 0; column <= game.level.levelWidth; ++column) {
    for (int row = 0; row <= game.level.levelHeight; ++row) {
      const MatrixField* field = game.level.matrix.Find(column, row);
      if (field == nullptr || !IsUncolouredFloor(Str(field->tileCode))) continue;
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
  game.play.cursor.heading = heading::kNone;
  game.play.cursor.x = static_cast<float>(startColumn) * game.tileSize();
  game.play.cursor.y = static_cast<float>(startRow) * game.tileSize();
  game.play.tilesLeft = SaturatingAdd(game.play.tilesLeft, floorFields) / 4;
  game.play.timeLeft = game.play.tilesLeft / 4;
  if (game.play.timeLeft > 60) game.play.timeLeft = 60;
}

}  // namespace

void LoadLevelFile(Game& game, const std::string& levelPath) {
  std::optional<LineReader> reader = LineReader::Open(levelPath);
  if (!reader) EngineReport(game, kReportLevelFile);
  std::string header[5];
  for (std::string& line : header) line = reader->ReadLine();
  const DeclaredSize declared = ReadDeclaredSize(header[1], header[2]);
  game.level.levelWidth = ClampLevelSide(declared.lastColumn);
  game.level.levelHeight = ClampLevelSide(declared.lastRow);
  game.level.matrix.CreateAtLeast(game.level.levelWidth, game.level.levelHeight);
  game.play.tilesLeft = 0;

  const bool withSprites = game.settings.USESPRITE3D == 1;
  FieldWalk walk;
  do {
    std::string code = reader->ReadLine();
    code += reader->ReadLine();
    code += reader->ReadLine();
    if (MatrixField* field = walk.Kept(game)) {
      const int column = static_cast<int>(walk.column);
      const int row = static_cast<int>(walk.row);
      field->tileCode = game.texts.Intern(code);
      field->inLevel = 1;
      if (withSprites) {
        LoadTileDefinition(game, column, row, TileDefinitionPath(game, code));
        AssignFieldGraphic(game, column, row, Str(field->gfxName));
        SpawnFieldObjects(game, column, row);
      }
    }
    walk.Advance(declared);
    LevelFileProgressStep(game);
  } while (!reader->AtEnd() && !walk.Done(game, declared));
  RecomputeVisibleFields(game);

  ReadOpacities(game, game.settings.APPENTRY + game.settings.APPSTART + ".red", declared);
  PrepareLoadedLevelForPlay(game);
}

}  // namespace vorantis
