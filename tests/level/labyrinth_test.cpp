// The labyrinth builders and level set-up: generated levels, the base file and level files.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "level/builders.h"
#include "level/level_file.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"
#include "level/tiles.h"
#include "level_world.h"
#include "present/catalogues.h"

namespace vorantis::testing {
namespace {

class LabyrinthTest : public ::testing::Test {
 protected:
  void Walls(int width, int height) {
    game.level.levelWidth = width;
    game.level.levelHeight = height;
    FillWalls(game, width, height);
  }
  std::pair<float, float> Cursor() const { return {game.play.cursor.x, game.play.cursor.y}; }
  // The level file's five header lines, then one line per colour part.
  void LoadLevel(int width, int height, std::initializer_list<std::string> lines) {
    std::string text = Lines({"map", std::to_string(width), std::to_string(height), "x", "y"});
    for (const std::string& line : lines) text += line + "\r\n";
    world.folder.Write("maps/lab.ai42", text);
    LoadLevelFile(game, game.settings.APPENTRY + "lab.ai42");
  }
  LevelWorld world{true};
  Game& game = *world.game;
};

// The golden maps pin the walks, their tiles left and time; not the cap on the time.
TEST_F(LabyrinthTest, FloorWalkTimeStopsAtSixty) {
  game.settings.LABSWITCH = -1;  // digs one field
  for (auto [goodies, tiles, time] : {std::tuple{959, 240, 60}, {3999, 1000, 60}}) {
    Walls(10, 10);
    game.play.tilesLeft = goodies;
    RandomWalk(game, 10, 10, WalkKind::kFloor);
    EXPECT_EQ(std::pair(game.play.tilesLeft, game.play.timeLeft), std::pair(tiles, time)) << goodies;
  }
}

TEST_F(LabyrinthTest, ProgressBarsShowTheScreenAtTheirStepsAndAZeroSideIsFull) {
  Screen& screen = world.engine->screen();
  game.play.levelNumber = 4;
  int before = screen.presentedFrames();
  Walls(5, 6);  // 42 fields, a flip every 2 * 5 + 1
  EXPECT_EQ(screen.presentedFrames() - before, 3);
  EXPECT_EQ(game.level.builtLevelNumber, 4);
  game.level.levelWidth = 0;  // the level file bar: the first and every 501st step
  before = screen.presentedFrames();
  for (int step = 0; step < 1003; ++step) LevelFileProgressStep(game);
  EXPECT_EQ(screen.presentedFrames() - before, 3);
  EXPECT_FLOAT_EQ(game.level.fileBar.length, 640);
}

// The golden maps pin the sizes drawn from the base, the generated levels' run of levels complete
// at build the cap at MAPSIZE.
TEST_F(LabyrinthTest, ANegativeLevelNumberUsesZeroAndANegativeBaseMapSize) {
  game.settings.MAPSIZE = 16;
  game.play.levelNumber = -4;
  game.level.baseWidth = -9;  // a negative half never reaches 1: MAPSIZE instead
  NewLevel(game);
  EXPECT_EQ(game.play.levelNumber, 0);
  EXPECT_EQ(game.level.levelWidth, 16);
}

TEST_F(LabyrinthTest, LevelFileColoursShareDefinitionsOpacitiesFollowAndTheLevelIsPlayable) {
  world.Tile("1207", {"GFXNAME", "LAB_WALL.tga", "TRANSPARENCY", "0"});
  game.settings.USESPRITE3D = 1;
  LoadTileGraphics(game);
  world.folder.Write("maps/lab.red", Lines({"a", "b", "c", "d", "e", "255", "128", "x"}));
  // Column 0: rows 0 and 1, then column 1.
  LoadLevel(1, 1, {"12", "0", "7", "1", "20", "7", "LAB_", "FLO", "OR", "LAB_", "FLO", "OR"});
  EXPECT_EQ(world.Code(0, 0) + world.Code(0, 1), "12071207");
  EXPECT_NE(world.Field(0, 1).sprite3D, 0);
  EXPECT_EQ(world.Field(1, 1).inLevel, 1);
  // (1, 0) is not a number; (1, 1) lies past the file's end, as the definition left it.
  EXPECT_EQ(std::tuple(world.Field(0, 0).opacity, world.Field(0, 1).opacity, world.Field(1, 0).opacity,
                       world.Field(1, 1).opacity),
            std::tuple(255, 128, 0, 0));
  // The cursor starts on the first floor field; the counters as a floor walk sets them.
  EXPECT_EQ(Cursor(), std::pair(32.0f, 0.0f));
  EXPECT_NE(game.play.cursor.sprite3D, 0);
  EXPECT_EQ(game.play.tilesLeft, 0);  // two floor fields / 4
}

TEST_F(LabyrinthTest, LevelFileWithoutSpritesOrOpacitiesAndEndingEarly) {
  world.Tile("LAB_FLOOR", {"GFXNAME", "LAB_FLOOR.tga", "TRANSPARENCY", "55"});
  game.settings.USESPRITE3D = 0;
  LoadLevel(5000, 3, {"LAB_", "FLO", "OR", "LAB_", "FLO", "OR"});
  EXPECT_EQ(game.level.levelWidth, 1024);
  EXPECT_TRUE(game.level.matrix.Contains(1024, 3));
  EXPECT_EQ(world.Code(0, 1), "LAB_FLOOR");
  EXPECT_EQ(world.Field(0, 1).gfxName, nullptr);  // no definition read
  EXPECT_EQ(world.Field(0, 2).inLevel, 0);
  EXPECT_FLOAT_EQ(game.play.cursor.y, 0);

  // Floor is "LAB_FLOOR" and its edge kinds, as play colours them; grass and colour codes are not.
  LoadLevel(3, 1,
            {"1",    "2",     "7",  "LAB_", "WALL",  "_E", "LAB_", "FLO",  "OR", "LAB_", "GREEN", "",
             "LAB_", "WATER", "_S", "LAB_", "GREEN", "_S", "LAB_", "WALL", "",   "LAB_", "FLO",   "OR"});
  EXPECT_EQ(Cursor(), std::pair(0.0f, 32.0f));
  EXPECT_EQ(game.play.tilesLeft, 1);  // five floor fields / 4

  game.settings.USESPRITE3D = 1;  // no opacity file: the definition's value stays
  LoadLevel(0, 0, {"LAB_", "FLO", "OR"});
  EXPECT_EQ(world.Field(0, 0).opacity, 200);
}

// A file larger than the largest level is walked with its own declared size and only the part
// that fits is kept, so every kept field holds what the file gives for it (the opacities too).
// A negative side reads as 0.
TEST_F(LabyrinthTest, LevelFilesBeyondTheLargestSizeKeepTheirOwnFieldsInPlace) {
  game.settings.USESPRITE3D = 0;
  const auto loadNamed = [this](int width, int height) {
    std::string level = Lines({"map", std::to_string(width), std::to_string(height), "x", "y"});
    std::string opacity = Lines({"a", "b", "c", "d", "e"});
    for (int c = 0; c <= std::max(width, 0); ++c) {
      for (int r = 0; r <= std::max(height, 0); ++r) {
        level += "C" + std::to_string(c) + "\r\nR\r\n" + std::to_string(r) + "\r\n";
        opacity += std::to_string((c * 7 + r) % 256) + "\r\n";
      }
    }
    world.folder.Write("maps/lab.ai42", level);
    world.folder.Write("maps/lab.red", opacity);
    LoadLevelFile(game, game.settings.APPENTRY + "lab.ai42");
  };
  loadNamed(2, 1100);
  EXPECT_EQ(std::pair(game.level.levelWidth, game.level.levelHeight), std::pair(2, 1024));
  for (auto [column, row] : {std::pair{0, 1024}, {1, 0}, {1, 700}, {2, 1024}}) {
    EXPECT_EQ(world.Code(column, row), "C" + std::to_string(column) + "R" + std::to_string(row));
    EXPECT_EQ(world.Field(column, row).opacity, (column * 7 + row) % 256) << column << "," << row;
  }

  game.level.matrix.Create(512, 512);
  loadNamed(-3, -2);  // written as one field; read as a level of one field
  EXPECT_EQ(std::pair(game.level.levelWidth, game.level.levelHeight), std::pair(0, 0));
  EXPECT_EQ(world.Code(0, 0), "C0R0");
  EXPECT_EQ(world.Field(0, 1).inLevel, 0);
}

TEST_F(LabyrinthTest, EnemiesFillUpToMaxFoeInColumnOrder) {
  world.Tile("LAB_WALL", {"USEENEMY", "1"});
  world.Object("ghost", {"DGFXNAME", "#", "DISENEMY", "1", "DHOTSPOT", "CENTER", "DCENTERFIELD", "1"}, 6, 4);
  LoadObjectDefinitions(game);
  Walls(3, 3);
  game.settings.MAXFOE = 6;
  SpawnEnemies(game);
  ASSERT_EQ(game.level.enemies.size(), 6u);
  EXPECT_EQ(std::pair(game.level.enemies[3].x, game.level.enemies[3].y), std::pair(0, 96));
  EXPECT_EQ(std::pair(game.level.enemies[5].x, game.level.enemies[5].y), std::pair(32, 32));
  EXPECT_EQ(std::pair(game.level.enemies[0].offsetX, game.level.enemies[0].offsetY), std::pair(19.0f, 18.0f));
  ClearEnemies(game);
  game.settings.MAXFOE = 0;
  SpawnEnemies(game);
  EXPECT_TRUE(game.level.enemies.empty());
}

TEST_F(LabyrinthTest, MusicPicksOneTrackAndNoTracksPlayNothing) {
  StartLevelMusic(game);  // must return with an empty list
  world.folder.Write("music/a.ogg", LevelWav(64));
  world.folder.Write("music/b.ogg", LevelWav(64));
  LoadMusicTracks(game);
  StartLevelMusic(game);
  StartLevelMusic(game);
  int playing = 0;
  for (const SoundAsset& track : game.catalogues.musicTracks)
    playing += world.engine->sounds().SoundExists(track.sound);
  EXPECT_EQ(playing, 1);  // the previous track was stopped and freed
}

TEST_F(LabyrinthTest, ResetLevelEmptiesTheGridAndGrowsItForLargeLevels) {
  PlaceTile(game, 300, 300, "LAB_WALL");
  game.level.fieldObjects.emplace_back();
  game.level.levelWidth = 600;
  game.level.levelHeight = 10;
  ResetLevel(game);
  EXPECT_TRUE(game.level.fieldObjects.empty());
  EXPECT_EQ(std::pair(game.level.matrix.columns(), game.level.matrix.rows()), std::pair(601, 257));
  EXPECT_EQ(game.level.matrix.At(300, 200).tileCode, nullptr);
}

}  // namespace
}  // namespace vorantis::testing
