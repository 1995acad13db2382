#include <gtest/gtest.h>

#include "level/object_definitions.h"
#include "level/tiles.h"
#include "level_world.h"
#include "present/catalogues.h"

namespace vorantis::testing {
namespace {

class TilesTest : public ::testing::Test {
 protected:
  Game& game() { return *world.game; }
  void Place(const std::string& code, int column = 3, int row = 4) { PlaceTile(game(), column, row, code); }
  LevelWorld world;
};

TEST_F(TilesTest, DefinitionKeysSetTheFieldAndUnknownOnesAreSkipped) {
  world.Tile("ROCK", {"GFXNAME", "rock.tga", "VALUE1", " 12x", "RANDOMSEED", "-7", "USECOLLISION", "257",
                      "TRANSPARENCY", "55", "SOMETHING", "ELSE", "USEENEMY", "1", "USEDIRECTION", "LEFT",
                      "INTERNALNAME", "stone"});
  Place("ROCK");
  const MatrixField& f = world.Field(3, 4);
  EXPECT_EQ(Str(f.tileCode), "ROCK");
  EXPECT_EQ(Str(f.gfxName), "rock.tga");
  EXPECT_EQ(f.value1, 12);
  EXPECT_EQ(f.randomSeed, -7);
  EXPECT_EQ(f.useCollision, 1);
  EXPECT_EQ(f.transparency, 55);
  EXPECT_EQ(f.opacity, 200);
  EXPECT_EQ(f.useEnemy, 1);
  EXPECT_EQ(f.heading, heading::kLeft);
  EXPECT_EQ(f.objectCollision, 0);  // spawning follows the definition
}

TEST_F(TilesTest, EmptyOrMissingGraphicNameGivesDummy) {
  world.Tile("EMPTYNAME", {"GFXNAME", ""});
  world.Tile("NONAME", {"VALUE1", "3"});
  Place("EMPTYNAME", 1, 1);
  Place("NONAME", 2, 2);
  EXPECT_EQ(Str(world.Field(1, 1).gfxName), "dummy.png");
  EXPECT_EQ(Str(world.Field(2, 2).gfxName), "dummy.png");
}

TEST_F(TilesTest, MissingDefinitionKeepsThePreviousTileButTakesTheCode) {
  world.Tile("ROCK", {"GFXNAME", "rock.tga", "VALUE1", "9", "USEDIRECTION", "UP"});
  world.Tile("SAND", {"USEDIRECTION", "SIDEWAYS"});
  Place("ROCK");
  Place("NOWHERE");
  EXPECT_EQ(Str(world.Field(3, 4).tileCode), "NOWHERE");
  EXPECT_EQ(world.Field(3, 4).value1, 9);
  Place("SAND");
  EXPECT_EQ(world.Field(3, 4).heading, heading::kUp);  // an unknown word leaves the heading
  EXPECT_EQ(Str(world.Field(3, 4).gfxName), "rock.tga");
}

TEST_F(TilesTest, HighestChildSlotFollowsTheLastNamedSlot) {
  world.Object("coin", {"DGFXNAME", "coin", "DDENSITY", "0"});
  LoadObjectDefinitions(game());
  world.Tile("A", {"CHILD1", "coin", "CHILD2", "#"});
  world.Tile("B", {"CHILD1", "#", "CHILD2", "coin"});
  Place("A", 1, 1);
  EXPECT_EQ(world.Field(1, 1).highestChildSlot, 0);
  EXPECT_EQ(world.Field(1, 1).childIds[0], 0);
  EXPECT_EQ(world.Field(1, 1).childIds[1], -1);
  Place("B", 2, 1);
  const MatrixField& b = world.Field(2, 1);
  EXPECT_EQ(b.highestChildSlot, 1);
  EXPECT_EQ(b.childIds[0], -1);  // no definition carries "#"
  EXPECT_EQ(b.childIds[1], 1);
  EXPECT_EQ(b.lastSpawnedSlot, 1);
  EXPECT_EQ(game().fieldObjects.size(), 2u);
}

TEST_F(TilesTest, TwoDefinitionsWithOneNameEachSpawnAndTheSecondIsKept) {
  world.Object("gem_a", {"DGFXNAME", "gem", "DISGOODY", "1", "DSCORE", "5"});
  world.Object("gem_b", {"DGFXNAME", "gem", "DISGOODY", "1", "DSCORE", "6"});
  LoadObjectDefinitions(game());
  world.Tile("G", {"CHILD1", "gem"});
  Place("G");
  ASSERT_EQ(game().fieldObjects.size(), 2u);
  EXPECT_EQ(world.Field(3, 4).childIds[0], 1);
  EXPECT_EQ(game().fieldObjects[1].score, 6);
  EXPECT_EQ(game().play.tilesLeft, 2);
  // Placing again spawns again; earlier objects stay where they are.
  Place("G");
  EXPECT_EQ(game().fieldObjects.size(), 4u);
  EXPECT_EQ(world.Field(3, 4).childIds[0], 3);
}

TEST_F(TilesTest, DensityGivesOneChanceInDensityPlusOne) {
  world.Object("rare", {"DGFXNAME", "rare", "DDENSITY", "3"});
  LoadObjectDefinitions(game());
  world.Tile("R", {"CHILD1", "rare"});
  game().random.SeedRandom(42);
  Random reference;
  reference.SeedRandom(42);
  std::size_t expected = 0;
  for (int column = 0; column < 200; ++column) {
    Place("R", column, 0);
    if (reference.RandomUpTo(3) == 0) ++expected;
  }
  EXPECT_EQ(game().fieldObjects.size(), expected);
  EXPECT_GT(expected, 20u);
  EXPECT_LT(expected, 80u);
}

TEST_F(TilesTest, ObjectsTakeTheirSizeAndOffsets) {
  world.Object("flag", {"DGFXNAME", "flag", "DHOTSPOT", "CENTER", "DCENTERFIELD", "1"}, 20, 10);
  world.Object("tree", {"DGFXNAME", "tree", "DFITTOMATRIX", "1", "DHOTSPOT", "BOTTOMRIGHT"}, 20, 10);
  LoadObjectDefinitions(game());
  world.Tile("F", {"CHILD1", "flag", "CHILD2", "tree"});
  Place("F");
  ASSERT_EQ(game().fieldObjects.size(), 2u);
  const FieldObject& flag = game().fieldObjects[0];
  EXPECT_NE(flag.sprite3D, 0);
  EXPECT_FLOAT_EQ(flag.width, 20);
  EXPECT_FLOAT_EQ(flag.offsetX, 26);
  EXPECT_FLOAT_EQ(flag.offsetY, 21);
  const FieldObject& tree = game().fieldObjects[1];
  EXPECT_FLOAT_EQ(tree.width, 32);
  EXPECT_FLOAT_EQ(tree.offsetX, 32);
  EXPECT_FLOAT_EQ(tree.offsetY, 32);
}

TEST_F(TilesTest, GraphicsAreFoundByExactNameAndUnknownNamesKeepTheSprite) {
  world.TileGraphic("rock.tga");
  LoadTileGraphics(game());
  world.Tile("ROCK", {"GFXNAME", "rock.tga"});
  world.Tile("UPPER", {"GFXNAME", "ROCK.tga"});
  world.Tile("CLEAR", {"GFXNAME", "rock.tga", "TRANSPARENCY", "255"});
  Place("ROCK");
  const int first = world.Field(3, 4).sprite3D;
  EXPECT_NE(first, 0);
  Place("UPPER");
  EXPECT_EQ(world.Field(3, 4).sprite3D, first);
  Place("CLEAR");
  EXPECT_EQ(world.Field(3, 4).opacity, 0);
  EXPECT_NE(world.Field(3, 4).sprite3D, 0);
}

TEST_F(TilesTest, DefinitionsAreReadOncePerPathUnlessTheCacheIsOff) {
  world.Tile("ROCK", {"VALUE1", "1"});
  Place("ROCK");
  world.Tile("ROCK", {"VALUE1", "2"});
  Place("ROCK");
  EXPECT_EQ(world.Field(3, 4).value1, 1);
  game().level.cacheTileDefinitions = false;
  Place("ROCK");
  EXPECT_EQ(world.Field(3, 4).value1, 2);
}

TEST_F(TilesTest, FieldsOutsideTheGridAreLeftAlone) {
  world.Tile("ROCK", {"VALUE1", "1"});
  game().matrix.Create(4, 4);
  Place("ROCK", 5, 0);
  Place("ROCK", -1, 2);
  Place("ROCK", 2, 99);
  EXPECT_EQ(game().matrix.Find(5, 0), nullptr);
  EXPECT_TRUE(game().fieldObjects.empty());
}

TEST_F(TilesTest, VisibleFieldsFollowTheTileSize) {
  RecomputeVisibleFields(game());
  EXPECT_FLOAT_EQ(game().level.visibleColumns, 20);
  EXPECT_FLOAT_EQ(game().level.visibleRows, 15);
  game().settings.RESOLUTION = 50;
  RecomputeVisibleFields(game());
  EXPECT_FLOAT_EQ(game().level.visibleColumns, 13);
  EXPECT_FLOAT_EQ(game().level.visibleRows, 10);
  game().settings.RESOLUTION = 0;
  RecomputeVisibleFields(game());
  EXPECT_FLOAT_EQ(game().level.visibleColumns, 0);
  EXPECT_FLOAT_EQ(game().level.visibleRows, 0);
}

}  // namespace
}  // namespace vorantis::testing
