// Generated levels can be won: every field the floor walk digs can be coloured, and a
// player who colours every field the cursor can reach fixes enough of them to bring the
// tiles left below 1. Enemies are left out: the player can colour pink floor again.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "level/level_setup.h"
#include "level_world.h"
#include "play/floor_colouring.h"
#include "play/view.h"
#include "support/default_data_game.h"

namespace vorantis::testing {
namespace {

struct FairCase {
  const char* name;
  bool defaultData;  // the generated default data, its levels 1 to 4; else a plain tile set
  std::int32_t worldRandom;
  std::int32_t labSwitch;  // -1 keeps the data's own
  std::int8_t edges;
};

class FairLevels : public ::testing::TestWithParam<FairCase> {
 protected:
  void Build(Game& game, int level, std::int8_t edges) {
    game.settings.USEEXTENDEDTOPO = edges;
    game.play.levelNumber = level;
    if (GetParam().defaultData && level == 1) {
      StartSelfCreatedGame(game, game.settings.SELFCREATEBASE);
    } else {
      NewLevel(game);
    }
  }

  // Builds the level without and with the case's edge pass (the walks are the same: the
  // edge pass comes after them), colours every reachable field and fixes what then holds.
  void CheckLevel(Game& game, int level) {
    Build(game, level, 0);
    const int width = game.level.levelWidth;
    const int height = game.level.levelHeight;
    std::vector<std::pair<int, int>> dug;
    for (int c = 0; c <= width; ++c)
      for (int r = 0; r <= height; ++r)
        if (Str(game.level.matrix.At(c, r).tileCode) == "LAB_FLOOR") dug.emplace_back(c, r);
    Build(game, level, GetParam().edges);
    const int tilesLeft = game.play.tilesLeft;

    std::vector<std::vector<bool>> reached(width + 1, std::vector<bool>(height + 1, false));
    std::deque<std::pair<int, int>> open;
    const FieldPosition start = CursorField(game);
    ASSERT_TRUE(start.valid);
    open.emplace_back(start.column, start.row);
    reached[start.column][start.row] = true;
    while (!open.empty()) {
      auto [c, r] = open.front();
      open.pop_front();
      PaintPlayerField(game, c, r);
      for (auto [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nc = c + dc;
        const int nr = r + dr;
        if (nc < 0 || nr < 0 || nc > width || nr > height || reached[nc][nr]) continue;
        if (game.level.matrix.At(nc, nr).useCollision != 0) continue;
        reached[nc][nr] = true;
        open.emplace_back(nc, nr);
      }
    }
    int notColoured = 0;
    for (auto [c, r] : dug) notColoured += Str(game.level.matrix.At(c, r).tileCode) != "LAB_BLUE_FLOOR";
    // Blue and fixed both count for a pattern, so one sweep fixes every field that can be.
    for (int c = 0; c <= width; ++c)
      for (int r = 0; r <= height; ++r) FixBlueFloor(game, c, r);
    const int fixedFields = tilesLeft - game.play.tilesLeft;

    EXPECT_EQ(notColoured, 0) << "level " << level;
    EXPECT_LT(game.play.tilesLeft, 1) << "level " << level << ": " << fixedFields << " of " << tilesLeft;
  }
};

TEST_P(FairLevels, EveryDugFieldColoursAndEnoughCanBeFixed) {
  const FairCase& c = GetParam();
  if (c.defaultData) {
    DataGame data;
    ASSERT_TRUE(data.read) << "build the game_data target first";
    if (c.labSwitch >= 0) data.s.LABSWITCH = c.labSwitch;
    for (int level = 1; level <= 4; ++level) CheckLevel(data.game, level);
    return;
  }
  LevelWorld world(true);
  // Walls stop bomb rays, water blocks walking, everything else is walkable.
  for (const std::string code : kLabyrinthCodes)
    world.Tile(code, {"GFXNAME", code + ".tga", "USECOLLISION",
                      code == "LAB_WALL"    ? "2"
                      : code == "LAB_WATER" ? "1"
                                            : "0"});
  Game& game = *world.game;
  game.settings.WORLDRANDOM = c.worldRandom;
  game.settings.MAPSIZE = 1024;
  game.settings.LABSWITCH = c.labSwitch;
  game.level.baseWidth = 40;
  game.level.baseHeight = 30;
  for (int level = 1; level <= 3; ++level) CheckLevel(game, level);
}

INSTANTIATE_TEST_SUITE_P(Levels, FairLevels,
                         ::testing::Values(FairCase{"default_data", true, 0, -1, 1},
                                           FairCase{"default_data_switch9", true, 0, 9, 1},
                                           FairCase{"default_data_switch9_flat", true, 0, 9, 0},
                                           FairCase{"seed5_switch0_edges", false, 5, 0, 1},
                                           FairCase{"seed31_switch9_edges", false, 31, 9, 1},
                                           FairCase{"seed800_switch3_edges", false, 800, 3, 1},
                                           FairCase{"seed31_switch9_flat", false, 31, 9, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorantis::testing
