#include "play/floor_colouring.h"

#include <array>
#include <string_view>

#include "core/game.h"
#include "core/nearest_int.h"
#include "core/program_end.h"
#include "core/saturating.h"
#include "level/builders.h"
#include "level/tiles.h"
#include "present/catalogues.h"

namespace vorantis {

namespace {

constexpr std::string_view kGrass = "LAB_GREEN";
constexpr std::string_view kBlue = "LAB_BLUE_FLOOR";
constexpr std::string_view kPink = "LAB_PINK_FLOOR";
constexpr std::string_view kFixedBlue = "LAB_FIXED_FLOOR";
constexpr std::string_view kFixedPink = "LAB_FIXED_PINK_FLOOR";
constexpr std::string_view kWall = "LAB_WALL";

// A field outside the grid reads as the empty code, which matches nothing.
std::string_view CodeAt(const Game& game, int column, int row) {
  const MatrixField* field = game.level.matrix.Find(column, row);
  return field ? std::string_view(Str(field->tileCode)) : std::string_view();
}

struct Offset {
  int column;
  int row;
};
// Left square, right square, upper row, lower row; each includes the field itself.
constexpr std::array<std::array<Offset, 4>, 4> kCompletionPatterns{{
    {{{0, 0}, {-1, 0}, {-1, 1}, {0, 1}}},
    {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
    {{{0, 0}, {0, -1}, {1, -1}, {-1, -1}}},
    {{{0, 0}, {0, 1}, {1, 1}, {-1, 1}}},
}};

bool AnyPatternHolds(const Game& game, int column, int row, std::string_view open, std::string_view fixed) {
  for (const auto& pattern : kCompletionPatterns) {
    bool holds = true;
    for (const Offset& offset : pattern) {
      const std::string_view code = CodeAt(game, column + offset.column, row + offset.row);
      if (code != open && code != fixed) {
        holds = false;
        break;
      }
    }
    if (holds) return true;
  }
  return false;
}

bool ClosesSide(const Game& game, int column, int row) {
  const std::string_view code = CodeAt(game, column, row);
  return code == kBlue || code == kWall;
}

// Under "HARDCORE": ends the program when every side of the field is closed.
void CheckTrapped(Game& game, int column, int row) {
  if (ClosesSide(game, column + 1, row) && ClosesSide(game, column - 1, row) &&
      ClosesSide(game, column, row + 1) && ClosesSide(game, column, row - 1)) {
    EndProgram(game);
  }
}

}  // namespace

void PaintPlayerField(Game& game, int column, int row) {
  const std::string_view code = CodeAt(game, column, row);
  if (IsUncolouredFloor(code) || code == kGrass) {
    PlaceTile(game, column, row, std::string(kBlue));
    PlaySoundByName(game, game.settings.DEFTILESOUND);
    if (game.settings.GAMEMODE == "HARDCORE") {
      game.level.matrix.At(column, row).useCollision = 1;
      CheckTrapped(game, column, row);
    }
  } else if (code == kPink) {
    PlaceTile(game, column, row, std::string(kBlue));
    PlaySoundByName(game, game.settings.DEFTILESOUND);
  }
}

void FixBlueFloor(Game& game, int column, int row) {
  if (!AnyPatternHolds(game, column, row, kBlue, kFixedBlue)) return;
  if (CodeAt(game, column, row) != kBlue) return;
  PlaceTile(game, column, row, std::string(kFixedBlue));
  PlaySoundByName(game, game.settings.FIXEDTILESOUND);
  AddSaturating(game.play.totalScore, game.level.matrix.At(column, row).value1);
  AddSaturating(game.play.tilesLeft, -1);
}

void FixPinkFloor(Game& game, int column, int row) {
  if (!AnyPatternHolds(game, column, row, kPink, kFixedPink)) return;
  if (CodeAt(game, column, row) != kPink) return;
  PlaceTile(game, column, row, std::string(kFixedPink));
  PlaySoundByName(game, game.settings.PINKTILEFIXEDSOUND);
}

void PaintEnemyField(Game& game, std::int32_t x, std::int32_t y) {
  const float tile = game.tileSize();
  const int column = NearestInt(static_cast<float>(x) / tile);
  const int row = NearestInt(static_cast<float>(y) / tile);
  const std::string_view code = CodeAt(game, column, row);
  if (IsUncolouredFloor(code) || code == kGrass || code == kBlue)
    PlaceTile(game, column, row, std::string(kPink));
}

}  // namespace vorantis
