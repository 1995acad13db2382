// Whole generated levels compared with checked-in tile maps, so that any change to
// the walks, the seeding or the order of random draws shows up.
// After an intended change, rewrite the maps with:
//   VORANTIS_UPDATE_GOLDEN=1 build/tests/vorantis_level_tests --gtest_filter='GoldenLevel*'
#include <gtest/gtest.h>

#include <sstream>

#include "level/level_setup.h"
#include "level_world.h"
#include "support/stored_output.h"

namespace vorantis::testing {
namespace {

// One letter per code of kLabyrinthCodes; '?' for anything else.
const char kLetters[] = "#.g~EShjwv";

std::string TileMap(const Game& game) {
  std::ostringstream out;
  out << "size " << game.level.levelWidth << " " << game.level.levelHeight << "\n"
      << "tilesLeft " << game.play.tilesLeft << " timeLeft " << game.play.timeLeft << "\n"
      << "cursor " << game.play.cursor.x << " " << game.play.cursor.y << "\n"
      << "objects " << game.level.fieldObjects.size() << " enemies " << game.level.enemies.size() << "\n";
  for (int row = 0; row <= game.level.levelHeight; ++row) {
    for (int column = 0; column <= game.level.levelWidth; ++column) {
      const std::string code = Str(game.level.matrix.At(column, row).tileCode);
      char letter = '?';
      for (int i = 0; i < 10; ++i)
        if (code == kLabyrinthCodes[i]) letter = kLetters[i];
      out << letter;
    }
    out << "\n";
  }
  return out.str();
}

struct GoldenCase {
  const char* name;
  std::int32_t worldRandom, levelNumber, baseSide, labSwitch;
  std::int8_t edges;
};

class GoldenLevel : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenLevel, GeneratedTileMapMatchesTheFixture) {
  const GoldenCase& c = GetParam();
  LevelWorld world(true);
  world.Tile("LAB_FLOOR", {"GFXNAME", "LAB_FLOOR.tga", "CHILD1", "coin"});
  world.Tile("LAB_GREEN", {"GFXNAME", "LAB_GREEN.tga", "USEENEMY", "1"});
  world.Object("coin", {"DGFXNAME", "coin", "DDENSITY", "7", "DISGOODY", "1"});
  world.Object("ghost", {"DGFXNAME", "", "DISENEMY", "1", "DDENSITY", "20"});
  Game& game = *world.game;
  game.settings.WORLDRANDOM = c.worldRandom;
  game.settings.MAPSIZE = 1024;
  game.settings.LABSWITCH = c.labSwitch;
  game.settings.USEEXTENDEDTOPO = c.edges;
  game.level.baseWidth = c.baseSide;
  game.level.baseHeight = c.baseSide * 3 / 4;
  game.play.levelNumber = c.levelNumber;
  NewLevel(game);
  const std::string actual = TileMap(game);

  ExpectStoredOutput(std::string("level/") + c.name + ".txt", actual);
  EXPECT_EQ(actual.find('?'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GoldenLevel,
                         ::testing::Values(GoldenCase{"seed1234_level1", 1234, 1, 40, 0, 0},
                                           GoldenCase{"seed77_level3_edges", 77, 3, 24, 4, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorantis::testing
