#include <gtest/gtest.h>

#include <vector>

#include "level/object_definitions.h"
#include "level/tiles.h"
#include "level_world.h"
#include "present/catalogues.h"

namespace vorantis::testing {
namespace {

class SoundLog : public GameObserver {
 public:
  void OnText(const std::string&, float, float, float, int, float) override {}
  void OnSound(const std::string& name) override { sounds.push_back(name); }
  std::vector<std::string> sounds;
};

TEST(CataloguesTest, ScansKeepListingOrderAndSkipFolders) {
  LevelWorld world;
  world.TileGraphic("b.tga", 3, 5);
  world.TileGraphic("a.tga");
  world.folder.Write("topo/notes.txt", "x");
  world.folder.MakeFolder("topo/dir.tga");
  LoadTileGraphics(*world.game);
  const auto& graphics = world.game->tileGraphics;
  ASSERT_EQ(graphics.size(), 2u);
  EXPECT_EQ(graphics[0].fileName, "a.tga");
  EXPECT_EQ(graphics[1].path, world.game->settings.TOPOGFX + "b.tga");
  EXPECT_FLOAT_EQ(graphics[1].width, 3);
  EXPECT_FLOAT_EQ(graphics[1].height, 5);
  EXPECT_EQ(FindTileGraphic(*world.game, "b.tga"), &graphics[1]);
  EXPECT_EQ(FindTileGraphic(*world.game, "B.tga"), nullptr);

  world.game->settings.GFXCODEC = "";
  world.game->tileGraphics.clear();
  LoadTileGraphics(*world.game);
  EXPECT_EQ(world.game->tileGraphics.size(), 3u);  // every file, the text file too
}

TEST(CataloguesTest, SoundsPlayByExactNameOnlyWhenLoaded) {
  LevelWorld world;
  SoundLog log;
  world.game->observer = &log;
  PlaySoundByName(*world.game, "beep.ogg");  // empty catalogue
  world.folder.Write("sfx/beep.ogg", WavSound());
  world.folder.Write("sfx/broken.ogg", "not a sound");
  world.folder.MakeFolder("sfx/x.ogg");
  LoadSoundEffects(*world.game);
  ASSERT_EQ(world.game->soundEffects.size(), 2u);
  EXPECT_EQ(world.game->soundEffects[0].loaded, 1);
  EXPECT_EQ(world.game->soundEffects[1].loaded, 0);
  PlaySoundByName(*world.game, "Beep.ogg");
  PlaySoundByName(*world.game, "broken.ogg");
  PlaySoundByName(*world.game, "beep.ogg");
  EXPECT_EQ(log.sounds, std::vector<std::string>{"beep.ogg"});
}

TEST(CataloguesTest, MusicIsListedButNotLoaded) {
  LevelWorld world;
  world.folder.Write("music/one.ogg", WavSound());
  LoadMusicTracks(*world.game);
  ASSERT_EQ(world.game->musicTracks.size(), 1u);
  EXPECT_EQ(world.game->musicTracks[0].sound, 0);
  EXPECT_EQ(world.game->musicTracks[0].path, world.game->settings.INGAMEMUSIC + "one.ogg");
}

TEST(CataloguesTest, EffectSpritesLoadOncePerPass) {
  LevelWorld world;
  world.folder.Write("effects/spark.png", TgaPicture(2, 2));
  world.folder.Write("effects/glow.png", TgaPicture(2, 2));
  world.game->settings.EGFXMAX = 0;
  LoadEffectSprites(*world.game);
  EXPECT_EQ(world.game->effectSprites.size(), 2u);
  world.game->settings.EGFXMAX = 2;
  LoadEffectSprites(*world.game);
  ASSERT_EQ(world.game->effectSprites.size(), 6u);
  for (const EffectSprite& effect : world.game->effectSprites) {
    EXPECT_NE(effect.sprite3D, 0);
    EXPECT_FLOAT_EQ(effect.x, 0);  // nothing is visible before a level is built
    EXPECT_GE(effect.speedX, 1);
    EXPECT_LE(effect.speedY, 6);
  }
  world.game->settings.EGFXMAX = -1;
  LoadEffectSprites(*world.game);
  EXPECT_TRUE(world.game->effectSprites.empty());
}

TEST(ObjectDefinitionsTest, FileBesideTheGraphicFillsTheRecord) {
  LevelWorld world;
  world.Object("coin", {"DGFXNAME", "coin", "DCOLLISION", "300", "DHOTSPOT", "RIGHT", "DLIFETIME", "DSCORE",
                        "DSCORE", "15", "DCOUNTSOUND", "ding.ogg", "DISENEMY", "1", "DDENSITY"});
  world.Object("blank", {"DGFXNAME", "", "DISENEMY", "1"});
  world.Object("hash", {"DGFXNAME", "#"});
  world.folder.Write("world/bare.tga", TgaPicture(2, 2));
  LoadObjectDefinitions(*world.game);
  const auto& defs = world.game->objectDefinitions;
  ASSERT_EQ(defs.size(), 4u);
  EXPECT_EQ(defs[0].fileName, "bare.tga");
  EXPECT_EQ(defs[0].name, "");  // no definition file: every value empty
  EXPECT_NE(defs[0].sprite, 0);
  EXPECT_EQ(defs[1].name, "NOPE");
  EXPECT_EQ(defs[1].isEnemy, 1);
  const ObjectDefinition& coin = defs[2];
  EXPECT_EQ(coin.name, "coin");
  EXPECT_EQ(coin.collision, 44);
  EXPECT_EQ(coin.hotspot, "RIGHT");
  EXPECT_EQ(coin.score, 15);  // DLIFETIME consumed its value line
  EXPECT_EQ(coin.countSound, "ding.ogg");
  EXPECT_EQ(coin.density, 0);  // last key without a value line
  EXPECT_EQ(defs[3].name, "NOPE");

  // A reload replaces the list rather than adding to it.
  LoadObjectDefinitions(*world.game);
  EXPECT_EQ(world.game->objectDefinitions.size(), 4u);
}

TEST(ObjectDefinitionsTest, NopeNeverSpawnsOnAFieldButAnUnnamedRecordMatchesEmptySlots) {
  LevelWorld world;
  world.Object("blank", {"DGFXNAME", ""});
  world.folder.Write("world/bare.tga", TgaPicture(2, 2));
  LoadObjectDefinitions(*world.game);
  world.Tile("EMPTY", {"VALUE1", "0"});
  world.Tile("NOPE", {"CHILD1", "NOPE"});
  PlaceTile(*world.game, 1, 1, "NOPE");
  EXPECT_TRUE(world.game->fieldObjects.empty());
  PlaceTile(*world.game, 2, 2, "EMPTY");  // slot 0 never named: the record without a file matches
  EXPECT_EQ(world.game->fieldObjects.size(), 1u);
}

}  // namespace
}  // namespace vorantis::testing
