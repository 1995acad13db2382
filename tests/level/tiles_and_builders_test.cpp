// Catalogues, object definitions, the tiles a definition file describes, the labyrinth builders and
// level set-up (generated levels, the base file and level files).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "level/builders.h"
#include "level/level_file.h"
#include "level/level_setup.h"
#include "level/level_size.h"
#include "level/object_definitions.h"
#include "level/tiles.h"
#include "level_world.h"
#include "present/catalogues.h"
#include "support/recording_observer.h"

namespace vorantis::testing {
namespace {

class TilesTest : public ::testing::Test {
 protected:
  void Place(const std::string& code, int column = 3, int row = 4) { PlaceTile(game, column, row, code); }
  LevelWorld world;
  Game& game = *world.game;
};

TEST_F(TilesTest, SoundsPlayByExactNameOnlyWhenLoadedAndMusicIsOnlyListed) {
  RecordingObserver log;
  game.observer = &log;
  PlaySoundByName(game, "beep.ogg");  // empty catalogue
  world.folder.Write("sfx/beep.ogg", LevelWav(64));
  world.folder.Write("sfx/broken.ogg", "not a sound");
  LoadSoundEffects(game);
  ASSERT_EQ(game.catalogues.soundEffects.size(), 2u);
  for (const char* name : {"Beep.ogg", "broken.ogg", "beep.ogg"}) PlaySoundByName(game, name);
  EXPECT_EQ(log.sounds, std::vector<std::string>{"beep.ogg"});
  world.folder.Write("music/one.ogg", LevelWav(64));
  LoadMusicTracks(game);
  ASSERT_EQ(game.catalogues.musicTracks.size(), 1u);
  EXPECT_EQ(game.catalogues.musicTracks[0].sound, 0);
}

// Each file is loaded once and its entries share one 3D sprite; the passes stop at
// EGFXMAX 255, and every entry still draws y, x and the two speeds, in that order.
TEST_F(TilesTest, EffectSpritesShareOneSpritePerFileAndThePassesAreBounded) {
  world.folder.Write("effects/spark.png", PlainTga(2, 2));
  world.folder.Write("effects/glow.png", PlainTga(2, 2));
  game.level.visibleColumns = 20;
  game.level.visibleRows = 15;
  for (auto [egfxMax, passes] : {std::pair{0, 1}, {-1, 0}, {256, 256}, {INT32_MAX, 256}}) {
    EXPECT_EQ(EffectPasses(egfxMax), passes);
    game.settings.EGFXMAX = egfxMax;
    game.random.SeedRandom(7);
    LoadEffectSprites(game);
    ASSERT_EQ(game.catalogues.effectSprites.size(), 2u * passes) << egfxMax;
    Random expected;
    expected.SeedRandom(7);
    const auto& effects = game.catalogues.effectSprites;
    for (std::size_t i = 0; i < effects.size(); ++i) {
      const EffectSprite& effect = effects[i];
      const float y = expected.RandomUpTo(15 * 32), x = expected.RandomUpTo(20 * 32);
      const float speedX = 1 + expected.RandomUpTo(5), speedY = 1 + expected.RandomUpTo(5);
      EXPECT_EQ(std::tuple(effect.x, effect.y, effect.speedX, effect.speedY),
                std::tuple(x, y, speedX, speedY));
      // Every pass repeats the two files' 3D sprites, in listing order.
      EXPECT_EQ(effect.sprite3D, effects[i % 2].sprite3D);
    }
    EXPECT_TRUE(passes == 0 || effects[0].sprite3D != effects[1].sprite3D);
    EXPECT_EQ(game.random.state(), expected.state());
  }
}

TEST_F(TilesTest, ObjectDefinitionFileBesideTheGraphicFillsTheRecord) {
  world.Object("coin", {"DGFXNAME", "coin", "DCOLLISION", "300", "DHOTSPOT", "RIGHT", "DSCORE", "15"});
  world.Object("blank", {"DGFXNAME", "", "DISENEMY", "1"});
  world.Object("hash", {"DGFXNAME", "#"});
  world.folder.Write("world/bare.tga", PlainTga(2, 2));
  for (int load = 0; load < 2; ++load) LoadObjectDefinitions(game);  // a reload replaces the list
  const auto& defs = game.level.objectDefinitions;
  ASSERT_EQ(defs.size(), 4u);
  EXPECT_EQ(defs[0].fileName, "bare.tga");
  EXPECT_EQ(defs[0].name, "");  // no definition file: every value empty
  EXPECT_NE(defs[0].sprite, 0);
  EXPECT_EQ(std::tie(defs[1].name, defs[1].isEnemy), std::tuple("NOPE", 1));
  EXPECT_EQ(defs[3].name, "NOPE");
  const ObjectDefinition& coin = defs[2];  // the collision keeps its low 8 bits, signed
  EXPECT_EQ(std::tie(coin.traits.collision, coin.hotspot, coin.traits.score), std::tuple(44, "RIGHT", 15));

  // "NOPE" never spawns on a field; the record without a file matches every unnamed slot.
  world.Tile("NOPE", {"CHILD1", "NOPE"});
  world.Tile("EMPTY", {"VALUE1", "0"});
  Place("NOPE", 1, 1);
  EXPECT_TRUE(game.level.fieldObjects.empty());
  Place("EMPTY", 2, 2);
  EXPECT_EQ(game.level.fieldObjects.size(), 1u);
}

TEST_F(TilesTest, DefinitionKeysSetTheFieldAndWhatADefinitionLeavesOutStays) {
  world.Tile("ROCK", {"GFXNAME", "rock.tga", "VALUE1", " 12x", "RANDOMSEED", "-7", "USECOLLISION", "257",
                      "TRANSPARENCY", "55", "SOMETHING", "ELSE", "USEENEMY", "1", "USEDIRECTION", "LEFT"});
  world.Tile("SAND", {"USEDIRECTION", "SIDEWAYS"});
  world.Tile("EMPTYNAME", {"GFXNAME", ""});
  const MatrixField& f = world.Field(3, 4);
  for (const char* code : {"ROCK", "NOWHERE", "SAND"}) {  // no definition, then no graphic or known heading
    Place(code);
    EXPECT_EQ(Str(f.tileCode), code);
    EXPECT_EQ(std::tuple(f.value1, f.randomSeed, f.useCollision, f.opacity, f.useEnemy, f.heading),
              std::tuple(12, -7, 1, 200, 1, heading::kLeft))
        << code;
    EXPECT_EQ(Str(f.gfxName), "rock.tga");
  }
  // A fresh field without a graphic name, or with an empty one, shows the dummy.
  Place("SAND", 1, 1);
  Place("EMPTYNAME", 2, 2);
  EXPECT_EQ(Str(world.Field(1, 1).gfxName) + Str(world.Field(2, 2).gfxName), "dummy.pngdummy.png");
}

// The highest child slot follows the last named slot, up to the eighth.
TEST_F(TilesTest, TheEighthChildSlotIsNamedAndSpawns) {
  world.Object("coin", {"DGFXNAME", "coin", "DDENSITY", "0"});
  LoadObjectDefinitions(game);
  world.Tile("E", {"CHILD8", "coin"});
  Place("E", 1, 1);
  const MatrixField& field = world.Field(1, 1);
  EXPECT_EQ(std::tuple(Str(field.childNames[7]), field.highestChildSlot), std::tuple("coin", 7));
  ASSERT_EQ(game.level.fieldObjects.size(), 1u);
  EXPECT_EQ(field.childIds[7], 0);

  world.Tile("A", {"CHILD1", "coin", "CHILD2", "#"});
  world.Tile("B", {"CHILD1", "#", "CHILD2", "coin"});
  Place("A", 2, 1);
  EXPECT_EQ(std::tuple(world.Field(2, 1).highestChildSlot, world.Field(2, 1).childIds[1]), std::tuple(0, -1));
  Place("B", 3, 1);
  const MatrixField& b = world.Field(3, 1);
  EXPECT_EQ(std::tuple(b.highestChildSlot, b.childIds[0], b.childIds[1], b.lastSpawnedSlot),
            std::tuple(1, -1, 2, 1));  // no definition carries "#"
}

TEST_F(TilesTest, TwoDefinitionsWithOneNameBothSpawnAndEarlierObjectsKeepTheirPlace) {
  world.Object("gem_a", {"DGFXNAME", "gem", "DISGOODY", "1", "DSCORE", "5"});
  world.Object("gem_b", {"DGFXNAME", "gem", "DISGOODY", "1", "DSCORE", "6"});
  LoadObjectDefinitions(game);
  world.Tile("G", {"CHILD1", "gem"});
  Place("G");
  ASSERT_EQ(game.level.fieldObjects.size(), 2u);
  EXPECT_EQ(world.Field(3, 4).childIds[0], 1);  // the slot keeps the second
  EXPECT_EQ(game.play.tilesLeft, 2);
  Place("G");
  EXPECT_EQ(game.level.fieldObjects.size(), 4u);
  EXPECT_EQ(world.Field(3, 4).childIds[0], 3);
  EXPECT_EQ(game.level.fieldObjects[1].traits.score, 6);
}

// Every key its own value, so that a key stored into another key's field shows.
TEST_F(TilesTest, EachObjectDefinitionKeyFillsItsOwnField) {
  world.Object("all", {"DGFXNAME",         "all", "DGFXTRANSPARENCY", "1",  "DDENSITY",    "2",
                       "DFITTOMATRIX",     "3",   "DCOLLISION",       "4",  "DHOTSPOT",    "CENTER",
                       "DXMODE1",          "5",   "DXMODE2",          "6",  "DGFXSHOW",    "7",
                       "DCENTERFIELD",     "8",   "DKILLONCOLLISION", "9",  "DSCORE",      "10",
                       "DCOUNTTOSCORE",    "11",  "DUSECOUNTSOUND",   "12", "DCOUNTSOUND", "ding.ogg",
                       "DISPLAYER",        "13",  "DISENEMY",         "14", "DRANDOMMOVE", "15",
                       "DMOVEX",           "16",  "DMOVEY",           "17", "DVELOX",      "18",
                       "DVELOY",           "19",  "DAILEVEL",         "20", "DDMOVE",      "21",
                       "DCHANGEDIRECTION", "22",  "DISGOODY",         "23", "DEXTRATIME",  "24",
                       "DROTATE",          "25",  "DLIFETIME",        "26", "DPOWERUP",    "27"});
  LoadObjectDefinitions(game);
  ASSERT_EQ(game.level.objectDefinitions.size(), 1u);
  const ObjectDefinition& d = game.level.objectDefinitions[0];
  EXPECT_EQ(std::tie(d.name, d.density, d.fitToMatrix, d.hotspot, d.centerField, d.isEnemy),
            std::tuple("all", 2, 3, "CENTER", 8, 14));
  const ObjectTraits& t = d.traits;
  EXPECT_EQ(std::tie(t.alpha, t.collision, t.blendSource, t.blendDest, t.show, t.killOnCollision, t.score,
                     t.countToScore, t.useCountSound, t.countSound, t.isPlayer, t.isGoody, t.extraTime),
            std::tuple(1, 4, 5, 6, 7, 9, 10, 11, 12, "ding.ogg", 13, 23, 24));
  const EnemyMotion& m = d.motion;
  EXPECT_EQ(std::tie(m.randomMove, m.moveX, m.moveY, m.veloX, m.veloY, m.aiLevel, m.dMove, m.changeDirection,
                     m.rotate),
            std::tuple(15, 16, 17, 18, 19, 20, 21, 22, 25));
}

TEST_F(TilesTest, ObjectsTakeTheirSizeAndOffsets) {
  world.Object("flag", {"DGFXNAME", "flag", "DHOTSPOT", "CENTER", "DCENTERFIELD", "1"}, 20, 10);
  world.Object("tree", {"DGFXNAME", "tree", "DFITTOMATRIX", "1", "DHOTSPOT", "BOTTOMRIGHT"}, 20, 10);
  LoadObjectDefinitions(game);
  world.Tile("F", {"CHILD1", "flag", "CHILD2", "tree"});
  Place("F");
  ASSERT_EQ(game.level.fieldObjects.size(), 2u);
  const FieldObject& flag = game.level.fieldObjects[0];
  const FieldObject& tree = game.level.fieldObjects[1];
  EXPECT_NE(flag.sprite3D, 0);
  EXPECT_EQ(std::tuple(flag.width, flag.offsetX, flag.offsetY), std::tuple(20.0f, 26.0f, 21.0f));
  EXPECT_EQ(std::tuple(tree.width, tree.offsetX, tree.offsetY), std::tuple(32.0f, 32.0f, 32.0f));
}

TEST_F(TilesTest, GraphicsAreListedInOrderFoundByExactNameAndTransparency255HidesTheField) {
  world.TileGraphic("rock.tga", 3, 5);
  world.TileGraphic("a.tga");
  LoadTileGraphics(game);
  ASSERT_EQ(game.catalogues.tileGraphics.size(), 2u);
  EXPECT_EQ(game.catalogues.tileGraphics[0].fileName, "a.tga");
  EXPECT_EQ(game.catalogues.tileGraphics[1].path, game.settings.TOPOGFX + "rock.tga");
  EXPECT_EQ(std::pair(game.catalogues.tileGraphics[1].width, game.catalogues.tileGraphics[1].height),
            std::pair(3.0f, 5.0f));
  EXPECT_EQ(FindTileGraphic(game, "rock.tga"), &game.catalogues.tileGraphics[1]);
  world.Tile("ROCK", {"GFXNAME", "rock.tga"});
  world.Tile("UPPER", {"GFXNAME", "ROCK.tga"});
  world.Tile("CLEAR", {"GFXNAME", "rock.tga", "TRANSPARENCY", "255"});
  Place("ROCK");
  const int first = world.Field(3, 4).sprite3D;
  EXPECT_NE(first, 0);
  Place("UPPER");  // no graphic of that exact name: the sprite stays
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
  game.level.cacheTileDefinitions = false;
  Place("ROCK");
  EXPECT_EQ(world.Field(3, 4).value1, 2);
}

TEST_F(TilesTest, FieldsOutsideTheGridAreLeftAloneAndTileSizeSetsTheVisibleFields) {
  world.Tile("ROCK", {"VALUE1", "1"});
  game.level.matrix.Create(4, 4);
  for (auto [column, row] : {std::pair{5, 0}, {-1, 2}, {2, 99}}) Place("ROCK", column, row);
  EXPECT_EQ(game.level.matrix.Find(5, 0), nullptr);
  EXPECT_TRUE(game.level.fieldObjects.empty());
  // Columns and rows of a 640 x 480 screen. A tile size shows nothing when it is 0 or below,
  // not a number, infinite, or so small that the screen holds more than 1025 fields across
  // or down (more than the largest level has): 640 / 0.625 = 1024 still shows fields.
  const float infinity = std::numeric_limits<float>::infinity();
  for (auto [size, columns, rows] : {std::tuple{32.0f, 20, 15},
                                     {50.0f, 13, 10},
                                     {0.625f, 1024, 768},
                                     {0.62f, 0, 0},
                                     {0.0f, 0, 0},
                                     {-8.0f, 0, 0},
                                     {infinity, 0, 0},
                                     {std::numeric_limits<float>::quiet_NaN(), 0, 0},
                                     {1e30f, 1, 1}}) {
    game.settings.RESOLUTION = size;
    RecomputeVisibleFields(game);
    EXPECT_EQ(std::pair(game.level.visibleColumns, game.level.visibleRows),
              std::pair(static_cast<float>(columns), static_cast<float>(rows)))
        << size;
    EXPECT_EQ(TileSizeShowsFields(size, 640, 480), columns > 0) << size;
  }
  // Only the height can rule a size out.
  EXPECT_FALSE(TileSizeShowsFields(1, 100, 2000));
}

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
