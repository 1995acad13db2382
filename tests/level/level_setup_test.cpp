#include <gtest/gtest.h>

#include "core/program_end.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"
#include "level/tiles.h"
#include "level_world.h"
#include "present/catalogues.h"

namespace vorantis::testing {
namespace {

class LevelSetupTest : public ::testing::Test {
 protected:
  LevelSetupTest() { world.PlainLabyrinthTiles(); }
  Game& game() { return *world.game; }
  // The level file's five header lines, then one line per colour part.
  void LevelFile(int width, int height, std::initializer_list<std::string> lines) {
    std::string text = Lines({"map", std::to_string(width), std::to_string(height), "x", "y"});
    for (const std::string& line : lines) text += line + "\r\n";
    world.folder.Write("maps/lab.ai42", text);
  }
  void Load() { LoadLevelFile(game(), game().settings.APPENTRY + "lab.ai42"); }
  LevelWorld world;
};

TEST_F(LevelSetupTest, NewLevelSizeFollowsBaseLevelNumberAndMapSize) {
  game().level.baseWidth = 20;
  game().level.baseHeight = 2;
  game().settings.WORLDRANDOM = 100;
  for (int mapSize : {1024, 16}) {
    game().settings.MAPSIZE = mapSize;
    game().play.levelNumber = 3;
    Random reference;
    reference.SeedRandom(103);
    const int drawn = reference.RandomUpTo(10) + 10 + 3;
    NewLevel(game());
    EXPECT_EQ(game().level.levelWidth, drawn > mapSize ? mapSize : drawn);
    EXPECT_GE(game().level.levelWidth, 13);
  }
  game().play.levelNumber = -4;
  game().level.baseWidth = -9;  // a negative half never reaches 1: MAPSIZE instead
  NewLevel(game());
  EXPECT_EQ(game().play.levelNumber, 0);
  EXPECT_EQ(game().level.levelWidth, 16);
}

TEST_F(LevelSetupTest, SameSeedAndLevelGiveTheSameLabyrinth) {
  LevelWorld other;
  other.PlainLabyrinthTiles();
  for (Game* g : {&game(), other.game.get()}) {
    g->settings.WORLDRANDOM = 31;
    g->level.baseWidth = 30;
    g->level.baseHeight = 20;
    g->settings.MAPSIZE = 1024;
    g->play.levelNumber = 2;
    NewLevel(*g);
  }
  ASSERT_EQ(game().level.levelWidth, other.game->level.levelWidth);
  for (int c = 0; c <= game().level.levelWidth; ++c)
    for (int r = 0; r <= game().level.levelHeight; ++r) ASSERT_EQ(world.Code(c, r), other.Code(c, r));
}

TEST_F(LevelSetupTest, SelfCreatedGameReadsTheBaseAndBuildsLevelOne) {
  world.folder.Write("base.txt", Lines({"x", "1", "1", "y", "z"}));
  game().settings.SELFCREATEBASE = world.folder.GamePath() + "base.txt";
  StartSelfCreatedGame(game(), game().settings.SELFCREATEBASE);
  EXPECT_EQ(game().level.levelWidth, 0);  // both halves of 1 are 0
  EXPECT_EQ(game().builtLevelNumber, 1);
  EXPECT_NE(game().cursor.sprite3D, 0);

  world.folder.Write("base.txt", Lines({"x", "30", "20"}));
  StartSelfCreatedGame(game(), game().settings.SELFCREATEBASE);
  EXPECT_LE(game().level.levelWidth, 30);
  EXPECT_EQ(world.Code(0, 0), "LAB_WALL");
  const int column = static_cast<int>(game().cursor.x / 32);
  const int row = static_cast<int>(game().cursor.y / 32);
  EXPECT_EQ(world.Code(column, row), "LAB_FLOOR");
}

TEST_F(LevelSetupTest, MissingBaseOrLevelFileEndsTheProgramWithItsReport) {
  try {
    StartSelfCreatedGame(game(), world.folder.GamePath() + "none.txt");
    FAIL();
  } catch (const ProgramEnded& ended) {
    EXPECT_EQ(ended.reportCode, kReportSelfCreateBase);
  }
  LevelWorld fresh;
  try {
    LoadLevelFile(*fresh.game, fresh.folder.GamePath() + "none.ai42");
    FAIL();
  } catch (const ProgramEnded& ended) {
    EXPECT_EQ(ended.reportCode, kReportLevelFile);
  }
}

TEST_F(LevelSetupTest, LevelFileColoursShareDefinitionsAndOpacitiesFollow) {
  world.Tile("1207", {"GFXNAME", "LAB_WALL.tga", "TRANSPARENCY", "0"});
  world.Tile("LAB_FLOOR", {"GFXNAME", "LAB_FLOOR.tga"});
  game().settings.USESPRITE3D = 1;
  LoadTileGraphics(game());
  // Column 0: rows 0 and 1, then column 1.
  LevelFile(1, 1, {"12", "0", "7", "1", "20", "7", "LAB_", "FLO", "OR", "LAB_", "FLO", "OR"});
  world.folder.Write("maps/lab.red", Lines({"a", "b", "c", "d", "e", "255", "128", "x"}));
  Load();
  EXPECT_EQ(world.Code(0, 0), "1207");
  EXPECT_EQ(world.Code(0, 1), "1207");
  EXPECT_NE(world.Field(0, 1).sprite3D, 0);
  EXPECT_EQ(world.Field(1, 1).inLevel, 1);
  EXPECT_EQ(world.Field(0, 0).opacity, 255);
  EXPECT_EQ(world.Field(0, 1).opacity, 128);
  EXPECT_EQ(world.Field(1, 0).opacity, 0);  // not a number
  EXPECT_EQ(world.Field(1, 1).opacity, 0);  // past the file's end: as the definition left it
  // Playable: the cursor starts on the first floor field, counters as a floor walk sets them.
  EXPECT_FLOAT_EQ(game().cursor.x, 32);
  EXPECT_FLOAT_EQ(game().cursor.y, 0);
  EXPECT_NE(game().cursor.sprite3D, 0);
  EXPECT_EQ(game().play.tilesLeft, 0);  // two floor fields / 4
}

TEST_F(LevelSetupTest, LevelFileWithoutSpritesOrOpacitiesAndEndingEarly) {
  world.Tile("LAB_FLOOR", {"GFXNAME", "LAB_FLOOR.tga", "TRANSPARENCY", "55"});
  game().settings.USESPRITE3D = 0;
  LevelFile(5000, 3, {"LAB_", "FLO", "OR", "LAB_", "FLO", "OR"});
  Load();
  EXPECT_EQ(game().level.levelWidth, 1024);
  EXPECT_TRUE(game().matrix.Contains(1024, 3));
  EXPECT_EQ(world.Code(0, 1), "LAB_FLOOR");
  EXPECT_EQ(world.Field(0, 1).gfxName, nullptr);  // no definition read
  EXPECT_EQ(world.Field(0, 2).inLevel, 0);
  EXPECT_FLOAT_EQ(game().cursor.y, 0);

  LevelWorld other;
  other.Tile("LAB_FLOOR", {"TRANSPARENCY", "55"});
  other.game->settings.USESPRITE3D = 1;
  other.folder.Write("maps/lab.ai42", Lines({"m", "0", "0", "x", "y", "LAB_", "FLO", "OR"}));
  LoadLevelFile(*other.game, other.game->settings.APPENTRY + "lab.ai42");
  EXPECT_EQ(other.Field(0, 0).opacity, 200);  // no opacity file: the definition's value stays
}

TEST_F(LevelSetupTest, EnemiesFillUpToMaxFoeInColumnOrder) {
  world.Tile("LAB_WALL", {"USEENEMY", "1"});
  world.Object("ghost", {"DGFXNAME", "#", "DISENEMY", "1", "DHOTSPOT", "CENTER", "DCENTERFIELD", "1"}, 6, 4);
  LoadObjectDefinitions(game());
  game().level.levelWidth = 3;
  game().level.levelHeight = 3;
  for (int c = 0; c <= 3; ++c)
    for (int r = 0; r <= 3; ++r) PlaceTile(game(), c, r, "LAB_WALL");
  game().settings.MAXFOE = 6;
  SpawnEnemies(game());
  ASSERT_EQ(game().enemies.size(), 6u);
  EXPECT_EQ(game().enemies[3].x, 0);
  EXPECT_EQ(game().enemies[3].y, 96);
  EXPECT_EQ(game().enemies[5].x, 32);
  EXPECT_EQ(game().enemies[5].y, 32);
  EXPECT_FLOAT_EQ(game().enemies[0].offsetX, 19);
  EXPECT_FLOAT_EQ(game().enemies[0].offsetY, 18);
  ClearEnemies(game());
  game().settings.MAXFOE = 0;
  SpawnEnemies(game());
  EXPECT_TRUE(game().enemies.empty());
}

TEST_F(LevelSetupTest, MusicPicksOneTrackAndNoTracksPlayNothing) {
  StartLevelMusic(game());  // must return with an empty list
  world.folder.Write("music/a.ogg", WavSound());
  world.folder.Write("music/b.ogg", WavSound());
  LoadMusicTracks(game());
  StartLevelMusic(game());
  StartLevelMusic(game());
  int playing = 0;
  for (const SoundAsset& track : game().musicTracks) {
    playing += world.engine->sounds().SoundExists(track.sound) ? 1 : 0;
  }
  EXPECT_EQ(playing, 1);  // the previous track was stopped and freed
}

TEST_F(LevelSetupTest, ResetLevelEmptiesTheGridAndGrowsItForLargeLevels) {
  PlaceTile(game(), 300, 300, "LAB_WALL");
  game().fieldObjects.emplace_back();
  game().level.levelWidth = 600;
  game().level.levelHeight = 10;
  ResetLevel(game());
  EXPECT_TRUE(game().fieldObjects.empty());
  EXPECT_EQ(game().matrix.columns(), 601);
  EXPECT_EQ(game().matrix.rows(), 257);
  EXPECT_EQ(game().matrix.At(300, 200).tileCode, nullptr);
}

}  // namespace
}  // namespace vorantis::testing
