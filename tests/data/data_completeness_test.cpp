// Checks the generated default data set (build/game) with the game's own readers:
// every name that the configuration or a definition mentions exists, every picture
// and sound decodes, the font covers every text the game draws, and the first
// levels built from it can be won.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/datafile.h"
#include "core/random.h"
#include "core/settings.h"
#include "engine/files.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "present/credits.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;

const fs::path kGame = fs::path(VORANTIS_BINARY_DIR) / "game";
const fs::path kLevelFileGame = fs::path(VORANTIS_BINARY_DIR) / "game-levelfile";

std::string GameForm(const fs::path& folder) {
  std::string p = folder.string();
  std::replace(p.begin(), p.end(), '/', '\\');
  return p + "\\";
}

Settings ReadSettings(const fs::path& folder) {
  Settings settings;
  Random random;
  EXPECT_TRUE(ReadSettingsFile(settings, random, GameForm(folder), GameForm(folder) + "DATA\\ini.txt"));
  return settings;
}

std::map<std::string, std::string> ReadDefinition(const std::string& gamePath) {
  std::map<std::string, std::string> out;
  auto reader = LineReader::Open(gamePath);
  if (!reader) return out;
  for (auto& kv : ReadPairs(*reader)) out[kv.key] = kv.value;
  return out;
}

bool HasFile(const std::string& gameFolder, const std::string& name) {
  auto listed = ListFolder(gameFolder, "*");
  return std::find(listed.begin(), listed.end(), name) != listed.end();
}

class DefaultData : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(kGame / "DATA" / "ini.txt")) << "build the game_data target first";
    settings = ReadSettings(kGame);
    base = GameForm(kGame);
    tileFolder = base + settings.RGBCODEPATH + settings.APPSTART + "\\";
  }
  Settings settings;
  std::string base, tileFolder;
};

// The codes the builders, the edge pass and the floor colouring write.
const std::vector<std::string> kSystemCodes = {
    "LAB_WALL",       "LAB_FLOOR",       "LAB_GREEN",      "LAB_WATER",           "LAB_WALL_E",
    "LAB_WALL_S",     "LAB_GREEN_E",     "LAB_GREEN_S",    "LAB_WATER_E",         "LAB_WATER_S",
    "LAB_PINK_FLOOR", "LAB_FIXED_FLOOR", "LAB_BLUE_FLOOR", "LAB_FIXED_PINK_FLOOR"};

TEST_F(DefaultData, ConfigurationNamesEveryKeyOnceInTableOrderWithPlayableValues) {
  auto reader = LineReader::Open(base + "DATA\\ini.txt");
  ASSERT_TRUE(reader);
  std::vector<std::string> keys;
  for (auto& kv : ReadPairs(*reader)) keys.push_back(kv.key);
  std::vector<std::string> table;
  for (auto& named : ListSettings(Settings{}))
    if (named.key != "cursorDelay") table.push_back(named.key);
  EXPECT_EQ(keys, table);
  EXPECT_EQ(keys.size(), 55u);

  EXPECT_EQ(settings.USESELFCREATEBASE, 1);
  EXPECT_EQ(settings.USESPRITE3D, 1);
  EXPECT_GT(settings.RESOLUTION, 16.0f);
  EXPECT_LE(settings.RESOLUTION, 127.0f);  // larger steps do not fit the 8-bit step offset
  EXPECT_GT(settings.RESBASEW, 0);
  EXPECT_GT(settings.MAXFOE, 0);
  EXPECT_GT(settings.MAPSIZE, 16);
  EXPECT_EQ(ReadSettings(kLevelFileGame).USESELFCREATEBASE, 0);
}

TEST_F(DefaultData, EveryNameTheConfigurationGivesExists) {
  for (const std::string& sound :
       {settings.TIMERSOUND, settings.DEFTILESOUND, settings.FIXEDTILESOUND, settings.PINKTILEFIXEDSOUND})
    EXPECT_TRUE(HasFile(settings.SOUNDFXPATH, sound)) << sound;
  auto hash = settings.LOADSCREEN.find('#');
  ASSERT_NE(hash, std::string::npos);
  for (char digit : {'0', '1'}) {
    std::string title = settings.LOADSCREEN.substr(0, hash) + digit + settings.LOADSCREEN.substr(hash + 1);
    EXPECT_TRUE(ReadWholeFile(base + title)) << title;
  }
  for (const std::string& file : {settings.CURSOR, settings.SELFCREATEBASE, settings.FONTSYSTEM,
                                  base + settings.APPENTRY + settings.APPSTART + ".ai42",
                                  base + settings.APPENTRY + settings.APPSTART + ".red"})
    EXPECT_TRUE(ReadWholeFile(file)) << file;
  EXPECT_FALSE(ListFolder(base + settings.INGAMEMUSIC, "*.ogg").size() < 3);
  EXPECT_FALSE(ListFolder(settings.EGFXPATH, "*.png").empty());
  EXPECT_TRUE(HasFile(settings.TOPOGFX, "dummy.png"));

  auto selfCreate = LineReader::Open(settings.SELFCREATEBASE);
  ASSERT_TRUE(selfCreate);
  selfCreate->ReadLine();
  EXPECT_GT(ParseInt(selfCreate->ReadLine()), 4);
  EXPECT_GT(ParseInt(selfCreate->ReadLine()), 4);
}

TEST_F(DefaultData, TileDefinitionsAreCompleteAndBehaveAsTheirKind) {
  std::set<std::string> objectNames;
  for (const auto& graphic : ListFolder(settings.WORLDGFX, "*" + settings.GFXCODEC)) {
    auto stem = graphic.substr(0, graphic.find(settings.GFXCODEC));
    auto def = ReadDefinition(settings.WORLDGFX + stem + ".dll");
    ASSERT_FALSE(def.empty()) << graphic << " has no definition";
    objectNames.insert(def["DGFXNAME"]);
    if (def["DUSECOUNTSOUND"] == "1") {
      EXPECT_TRUE(HasFile(settings.SOUNDFXPATH, def["DCOUNTSOUND"])) << graphic;
    }
  }
  bool enemiesMayStart = false;
  for (const auto& code : kSystemCodes) {
    auto def = ReadDefinition(tileFolder + code);
    ASSERT_FALSE(def.empty()) << code;
    EXPECT_TRUE(HasFile(settings.TOPOGFX, def["GFXNAME"])) << code << ": " << def["GFXNAME"];
    for (int slot = 1; slot <= 8; ++slot) {
      std::string key = "CHILD" + std::to_string(slot);
      ASSERT_TRUE(def.count(key)) << code << " leaves " << key << " unmentioned";
      if (def[key] != "#") {
        EXPECT_TRUE(objectNames.count(def[key])) << code << " names " << def[key];
      }
    }
    int collision = ParseInt(def["USECOLLISION"]);
    if (code == "LAB_WALL") {
      EXPECT_EQ(collision, 2);
    } else if (code == "LAB_WATER")
      EXPECT_EQ(collision, 1);
    else
      EXPECT_EQ(collision, 0) << code << " must be walkable";
    EXPECT_LT(ParseInt(def["TRANSPARENCY"]), 255) << code << " would be invisible";
    enemiesMayStart |= def["USEENEMY"] == "1";
    // Coloured floor must not spawn goodies again each time it changes colour.
    if (code.find("BLUE") != std::string::npos || code.find("PINK") != std::string::npos) {
      for (int slot = 1; slot <= 8; ++slot) {
        EXPECT_EQ(def["CHILD" + std::to_string(slot)], "#") << code;
      }
    }
  }
  EXPECT_TRUE(enemiesMayStart);
  EXPECT_GT(ParseInt(ReadDefinition(tileFolder + "LAB_FIXED_FLOOR")["VALUE1"]), 0);
}

TEST_F(DefaultData, ObjectsCoverEveryKindOfPickupAndEnemy) {
  int immediate = 0, counted = 0, extraTime = 0, bombs = 0, scenery = 0, wanderers = 0, spinners = 0;
  for (const auto& graphic : ListFolder(settings.WORLDGFX, "*" + settings.GFXCODEC)) {
    auto def =
        ReadDefinition(settings.WORLDGFX + graphic.substr(0, graphic.find(settings.GFXCODEC)) + ".dll");
    if (def["DISENEMY"] == "1") {
      EXPECT_EQ(def["DGFXNAME"], "#") << graphic << ": an enemy must never spawn as a field object";
      int ai = ParseInt(def["DAILEVEL"]);
      if (ai >= 2 && ai <= 4) {
        spinners += ParseInt(def["DROTATE"]) != 0;
      } else if (ParseInt(def["DDMOVE"]) >= 0 && ParseInt(def["DVELOX"]) > 0 && ParseInt(def["DVELOY"]) > 0) {
        ++wanderers;
      }
      continue;
    }
    EXPECT_EQ(def["DFITTOMATRIX"], "1") << graphic << " would not fit a field at every resolution";
    if (def["DCOLLISION"] == "0") {
      ++scenery;
    } else if (def["DGFXNAME"] == "BOMB") {
      bombs += def["DKILLONCOLLISION"] == "1";
    } else if (ParseInt(def["DEXTRATIME"]) > 0) {
      extraTime += def["DKILLONCOLLISION"] == "1";  // once, not on every frame stood on
    } else if (ParseInt(def["DSCORE"]) > 0) {
      (def["DCOUNTTOSCORE"] == "1" ? counted : immediate) += 1;
    }
  }
  EXPECT_GT(immediate, 0);
  EXPECT_GT(counted, 0);
  EXPECT_GT(extraTime, 0);
  EXPECT_GT(bombs, 0);
  EXPECT_GT(scenery, 0);
  EXPECT_GT(wanderers, 0);
  EXPECT_GT(spinners, 0);
}

TEST_F(DefaultData, LevelFileHasADefinitionForEveryColourAndColourableFloor) {
  auto level = LineReader::Open(base + settings.APPENTRY + settings.APPSTART + ".ai42");
  ASSERT_TRUE(level);
  level->ReadLine();
  int lastColumn = ParseInt(level->ReadLine()), lastRow = ParseInt(level->ReadLine());
  level->ReadLine();
  level->ReadLine();
  int fields = 0, floor = 0;
  std::set<std::string> codes;
  while (!level->AtEnd()) {
    std::string code = level->ReadLine();
    code += level->ReadLine();
    code += level->ReadLine();
    codes.insert(code);
    floor += code == "LAB_FLOOR";
    ++fields;
  }
  EXPECT_EQ(fields, (lastColumn + 1) * (lastRow + 1));
  EXPECT_GT(floor, 40);
  for (const auto& code : codes) EXPECT_FALSE(ReadDefinition(tileFolder + code).empty()) << code;

  auto opacity = LineReader::Open(base + settings.APPENTRY + settings.APPSTART + ".red");
  ASSERT_TRUE(opacity);
  int lines = 0;
  while (!opacity->AtEnd()) {
    std::string line = opacity->ReadLine();
    if (++lines > 5) {
      EXPECT_GT(ParseInt(line), 0);
    }
  }
  EXPECT_EQ(lines, 5 + fields);
}

}  // namespace
}  // namespace vorantis
