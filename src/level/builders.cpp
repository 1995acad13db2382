#include "level/builders.h"

#include "core/game.h"
#include "core/nearest_int.h"
#include "engine/engine.h"
#include "level/tiles.h"

namespace vorantis {

namespace {

const char* WalkTileCode(WalkKind kind) {
  switch (kind) {
    case WalkKind::kFloor:
      return "LAB_FLOOR";
    case WalkKind::kGrass:
      return "LAB_GREEN";
    case WalkKind::kWater:
      return "LAB_WATER";
  }
  return "LAB_FLOOR";
}

// A level side of 0 would divide by zero: such a build shows a full bar.
void GrowBar(Game& game, ProgressBar& bar) {
  const std::int64_t fields =
      static_cast<std::int64_t>(game.level.levelWidth) * static_cast<std::int64_t>(game.level.levelHeight);
  if (fields == 0) {
    bar.length = game.screenWidth;
  } else {
    bar.length += game.screenWidth / static_cast<float>(fields);
  }
}

void DrawBar(Game& game, const ProgressBar& bar) {
  Screen& screen = game.engine.screen();
  const int top = static_cast<int>(NearestInt(game.screenHeight * 0.85f));
  screen.BeginCanvas();
  screen.FillRectangle(0, top, static_cast<int>(game.screenWidth), 9, Rgb(0, 0, 0));
  screen.FillRectangle(0, top, static_cast<int>(NearestInt(bar.length)), 8, Rgb(255, 0, 0));
  screen.EndCanvas();
}

// The edge kind a neighbour's tile code gives, or nullptr when it gives none.
const char* EdgeKind(const std::string& neighbour, bool west) {
  if (neighbour == "LAB_WALL") return west ? "LAB_WALL_E" : "LAB_WALL_S";
  if (neighbour == "LAB_GREEN") return west ? "LAB_GREEN_E" : "LAB_GREEN_S";
  if (neighbour == "LAB_WATER") return west ? "LAB_WATER_E" : "LAB_WATER_S";
  return nullptr;
}

void EdgeSweep(Game& game, bool west) {
  for (const EdgeCandidate& entry : game.level.edgeCandidates) {
    const int column = west ? entry.column - 1 : entry.column;
    const int row = west ? entry.row : entry.row - 1;
    if (column < 0 || row < 0) continue;
    const MatrixField* neighbour = game.level.matrix.Find(column, row);
    MatrixField* field = game.level.matrix.Find(entry.column, entry.row);
    if (neighbour == nullptr || field == nullptr) continue;
    const std::string& neighbourCode = Str(neighbour->tileCode);
    if (neighbourCode == Str(entry.tileCode)) continue;
    const char* edge = EdgeKind(neighbourCode, west);
    PlaceTile(game, entry.column, entry.row, edge ? game.texts.Intern(edge) : field->tileCode);
  }
}

// One step of the build progress bar while the builders fill the level.
void BuilderProgressStep(Game& game) {
  ProgressBar& bar = game.level.builderBar;
  if (game.level.builtLevelNumber != game.play.levelNumber) {
    bar.length = 1.0f;
    game.level.builtLevelNumber = game.play.levelNumber;
  }
  GrowBar(game, bar);
  DrawBar(game, bar);
  if (++bar.flips > 2 * game.level.levelWidth) {
    game.engine.screen().PresentProgressFrame();
    bar.flips = 0;
  }
}

}  // namespace

void FillWalls(Game& game, int width, int height) {
  const Text wall = game.texts.Intern("LAB_WALL");
  for (int column = 0; column <= width; ++column) {
    for (int row = 0; row <= height; ++row) {
      PlaceTile(game, column, row, wall);
      if (MatrixField* field = game.level.matrix.Find(column, row)) field->inLevel = 1;
      BuilderProgressStep(game);
    }
  }
  RecomputeVisibleFields(game);
}

void RandomWalk(Game& game, int width, int height, WalkKind kind) {
  const Text wall = game.texts.Intern("LAB_WALL");
  const Text code = game.texts.Intern(WalkTileCode(kind));
  const bool floor = kind == WalkKind::kFloor;
  int x = 1;
  int y = 1;
  int direction = 0;
  bool firstDug = true;
  std::int64_t budget = static_cast<std::int64_t>(width) * static_cast<std::int64_t>(height);
  for (; budget > 0; --budget) {
    if (game.random.RandomUpTo(game.settings.LABSWITCH) == 0) direction = game.random.RandomUpTo(3);
    switch (direction) {
      case 0:
        if (x - 1 > 1) --x;
        break;
      case 1:
        if (y - 1 > 1) --y;
        break;
      case 2:
        if (x + 1 < width - 1) ++x;
        break;
      case 3:
        if (y + 1 < height - 1) ++y;
        break;
      default:
        break;
    }
    const MatrixField* field = game.level.matrix.Find(x, y);
    if (field == nullptr || field->tileCode != wall) continue;
    PlaceTile(game, x, y, code);
    if (!floor) continue;
    ++game.play.tilesLeft;
    if (firstDug) {
      firstDug = false;
      game.play.cursor.heading = heading::kNone;
      game.play.cursor.x = static_cast<float>(x) * game.tileSize();
      game.play.cursor.y = static_cast<float>(y) * game.tileSize();
    }
  }
  if (floor) {
    game.play.tilesLeft /= 4;
    game.play.timeLeft = game.play.tilesLeft / 4;
    if (game.play.timeLeft > 60) game.play.timeLeft = 60;
  }
}

void EdgePass(Game& game) {
  if (game.settings.USEEXTENDEDTOPO != 1) return;
  // Only dug floor gets an edge: a wall, grass or water field turned into an edge kind
  // would be floor nobody dug, and floor that stayed uncolourable would be counted in
  // tilesLeft without any way to fix it.
  const Text floor = game.texts.Intern("LAB_FLOOR");
  auto& candidates = game.level.edgeCandidates;
  candidates.clear();
  for (int column = 0; column <= game.level.levelWidth; ++column) {
    for (int row = 0; row <= game.level.levelHeight; ++row) {
      const MatrixField* field = game.level.matrix.Find(column, row);
      if (field != nullptr && field->tileCode == floor)
        candidates.push_back(EdgeCandidate{column, row, floor});
    }
  }
  EdgeSweep(game, true);
  EdgeSweep(game, false);
}

bool IsUncolouredFloor(std::string_view code) {
  return code == "LAB_FLOOR" || code == "LAB_WALL_E" || code == "LAB_WALL_S" || code == "LAB_GREEN_E" ||
         code == "LAB_GREEN_S" || code == "LAB_WATER_E" || code == "LAB_WATER_S";
}

void LevelFileProgressStep(Game& game) {
  ProgressBar& bar = game.level.fileBar;
  GrowBar(game, bar);
  DrawBar(game, bar);
  if (bar.flips == 0) game.engine.screen().PresentFrame();
  if (++bar.flips > 500) bar.flips = 0;
}

}  // namespace vorantis
