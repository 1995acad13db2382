// Checks the generated default data sets (build/game and build/game-levelfile) with the
// game's own readers and loaders: every name the configuration or a definition mentions
// exists, every picture and sound decodes, the font covers every text the game draws,
// and the first levels built from the data can be won by a person.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/datafile.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "level/level_file.h"
#include "level/level_setup.h"
#include "present/credits.h"
#include "present/font.h"
#include "support/default_data_game.h"

namespace vorantis {
namespace {

using testing::DataGame;

namespace fs = std::filesystem;

const fs::path kGame = fs::path(VORANTIS_BINARY_DIR) / "game";

std::map<std::string, std::string> ReadDefinition(const std::string& gamePath) {
  std::map<std::string, std::string> out;
  if (auto reader = LineReader::Open(gamePath))
    for (auto& kv : ReadPairs(*reader)) out[kv.key] = kv.value;
  return out;
}

bool HasFile(const std::string& gameFolder, const std::string& name) {
  auto listed = ListFolder(gameFolder, "*");
  return std::find(listed.begin(), listed.end(), name) != listed.end();
}

class DefaultData : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(data.read) << "build the game_data target first"; }
  DataGame data;
  Settings& s = data.s;
  std::string tileFolder = s.RGBCODEPATH + s.APPSTART + "\\";
};

TEST_F(DefaultData, ConfigurationNamesEveryKeyOnceInTableOrderAndEveryFileItNamesExists) {
  auto reader = LineReader::Open(data.game.baseDirectory + "DATA\\ini.txt");
  std::vector<std::string> keys, table;
  for (auto& kv : ReadPairs(*reader)) keys.push_back(kv.key);
  for (auto& named : ListSettings(Settings{}))
    if (named.key != "cursorDelay") table.push_back(named.key);
  EXPECT_EQ(keys, table);
  EXPECT_EQ(std::tuple(s.USESELFCREATEBASE, s.USESPRITE3D, s.USEEXTENDEDTOPO), std::tuple(1, 1, 1));

  for (const std::string& sound : {s.TIMERSOUND, s.DEFTILESOUND, s.FIXEDTILESOUND, s.PINKTILEFIXEDSOUND})
    EXPECT_TRUE(HasFile(s.SOUNDFXPATH, sound)) << sound;
  const auto hash = s.LOADSCREEN.find('#');
  ASSERT_NE(hash, std::string::npos);
  for (char digit : {'0', '1'})
    EXPECT_TRUE(ReadWholeFile(data.game.baseDirectory + s.LOADSCREEN.substr(0, hash) + digit +
                              s.LOADSCREEN.substr(hash + 1)))
        << digit;
  for (const std::string& file : {s.CURSOR, s.SELFCREATEBASE, s.FONTSYSTEM})
    EXPECT_TRUE(ReadWholeFile(file)) << file;
  EXPECT_GE(data.game.catalogues.musicTracks.size(), 3u);
  EXPECT_FALSE(ListFolder(s.EGFXPATH, "*.png").empty());
  EXPECT_TRUE(HasFile(s.TOPOGFX, "dummy.png"));
}

TEST_F(DefaultData, TileDefinitionsAreCompleteAndBehaveAsTheirKind) {
  std::set<std::string> objectNames;
  for (const ObjectDefinition& object : data.game.level.objectDefinitions) {
    EXPECT_NE(object.name, "") << object.fileName << " has no definition";
    objectNames.insert(object.name);
    EXPECT_TRUE(!object.traits.useCountSound || HasFile(s.SOUNDFXPATH, object.traits.countSound))
        << object.fileName;
  }
  for (const std::string code :
       {"LAB_WALL", "LAB_FLOOR", "LAB_GREEN", "LAB_WATER", "LAB_WALL_E", "LAB_WALL_S", "LAB_GREEN_E",
        "LAB_GREEN_S", "LAB_WATER_E", "LAB_WATER_S", "LAB_PINK_FLOOR", "LAB_FIXED_FLOOR", "LAB_BLUE_FLOOR",
        "LAB_FIXED_PINK_FLOOR"}) {
    auto def = ReadDefinition(tileFolder + code);
    EXPECT_TRUE(HasFile(s.TOPOGFX, def["GFXNAME"])) << code << ": " << def["GFXNAME"];
    // Every slot is written: one left out keeps the previous tile's goodies, and
    // coloured floor must not spawn them again each time it changes colour.
    const bool coloured = code.find("BLUE") != std::string::npos || code.find("PINK") != std::string::npos;
    for (int slot = 1; slot <= 8; ++slot) {
      const std::string key = "CHILD" + std::to_string(slot);
      ASSERT_TRUE(def.count(key)) << code << " leaves " << key << " unmentioned";
      EXPECT_TRUE(def[key] == "#" || (!coloured && objectNames.count(def[key]))) << code << " " << def[key];
    }
    const int collision = code == "LAB_WALL" ? 2 : code == "LAB_WATER" ? 1 : 0;  // bombs stop at walls
    EXPECT_EQ(ParseInt(def["USECOLLISION"]), collision) << code;
    EXPECT_LT(ParseInt(def["TRANSPARENCY"]), 255) << code << " would be invisible";
  }
  EXPECT_GT(ParseInt(ReadDefinition(tileFolder + "LAB_FIXED_FLOOR")["VALUE1"]), 0);
}

TEST_F(DefaultData, ObjectsCoverEveryKindOfPickupAndEnemy) {
  int immediate = 0, counted = 0, extraTime = 0, bombs = 0, scenery = 0, wanderers = 0, spinners = 0;
  for (const ObjectDefinition& d : data.game.level.objectDefinitions) {
    if (d.isEnemy) {
      EXPECT_EQ(d.name, "NOPE") << d.fileName << ": an enemy must never spawn as a field object";
      const EnemyMotion& motion = d.motion;
      if (motion.aiLevel >= 2 && motion.aiLevel <= 4)
        spinners += motion.rotate != 0;
      else
        wanderers += motion.dMove >= 0 && motion.veloX > 0 && motion.veloY > 0;
      continue;
    }
    EXPECT_EQ(d.fitToMatrix, 1) << d.fileName << " would not fit a field at every resolution";
    const ObjectTraits& traits = d.traits;
    if (traits.collision == 0)
      ++scenery;
    else if (d.name == "BOMB")
      bombs += traits.killOnCollision;
    else if (traits.extraTime > 0)
      extraTime += traits.killOnCollision;  // once, not on every frame stood on
    else if (traits.score > 0)
      (traits.countToScore ? counted : immediate) += 1;
  }
  for (int kind : {immediate, counted, extraTime, bombs, scenery, wanderers, spinners}) EXPECT_GT(kind, 0);
}

// Fields that one of the four completion patterns could fix if all floor were coloured.
int FixableFields(const Game& game) {
  auto colourable = [&](int c, int r) {
    const MatrixField* f = game.level.matrix.Find(c, r);
    return f && f->tileCode && (Str(f->tileCode) == "LAB_FLOOR" || Str(f->tileCode) == "LAB_GREEN");
  };
  int count = 0;
  for (int c = 0; c <= game.level.levelWidth; ++c)
    for (int r = 0; r <= game.level.levelHeight; ++r) {
      auto all = [&](std::initializer_list<std::pair<int, int>> cells) {
        for (auto [dc, dr] : cells)
          if (!colourable(c + dc, r + dr)) return false;
        return true;
      };
      count += all({{0, 0}}) && (all({{-1, 0}, {-1, 1}, {0, 1}}) || all({{1, 0}, {1, 1}, {0, 1}}) ||
                                 all({{0, -1}, {1, -1}, {-1, -1}}) || all({{0, 1}, {1, 1}, {-1, 1}}));
    }
  return count;
}

TEST_F(DefaultData, FirstLevelsLeaveEnoughFloorAndTimeToWin) {
  Game& game = data.game;
  StartSelfCreatedGame(game, s.SELFCREATEBASE);
  int withEnemies = 0;
  for (int level = 1; level <= 4; ++level) {
    if (level > 1) {
      game.play.levelNumber = level;
      NewLevel(game);
    }
    // A person needs about two steps per fixed field (colouring and walking);
    // the countdown must give at least that at the configured cursor speed.
    const int tiles = game.play.tilesLeft;
    const double framesGiven = static_cast<double>(game.play.timeLeft + 1) * (s.WORLDREFRESH + 1);
    EXPECT_GE(tiles, 4) << "level " << level << " is over before it starts";
    EXPECT_GE(FixableFields(game), tiles * 1.2) << "level " << level << " has too little floor to fix";
    EXPECT_GE(framesGiven, 2.0 * tiles * (s.cursorDelay + 1))
        << "level " << level << " gives too little time";
    withEnemies += !game.level.enemies.empty();
  }
  EXPECT_GE(withEnemies, 3) << "enemies spawn too rarely";
}

TEST(DefaultDataLevelFile, EveryFieldHasItsColoursGraphicAndThereIsFloorToColour) {
  DataGame data("game-levelfile");
  Game& game = data.game;
  const std::string level = data.s.APPENTRY + data.s.APPSTART;
  LoadLevelFile(game, level + ".ai42");
  EXPECT_GT(game.play.tilesLeft, 4);
  EXPECT_GE(FixableFields(game), game.play.tilesLeft * 2);
  for (int c = 0; c <= game.level.levelWidth; ++c)
    for (int r = 0; r <= game.level.levelHeight; ++r)
      EXPECT_NE(game.level.matrix.At(c, r).sprite3D, 0) << c << "," << r;
  // The files end after the last field: nothing is cut off, and every opacity is a number.
  const int fields = (game.level.levelWidth + 1) * (game.level.levelHeight + 1);
  auto linesAndPositive = [](const std::string& path) {
    auto reader = LineReader::Open(path);
    std::pair<int, int> count{0, 0};
    while (reader && !reader->AtEnd()) {
      const bool number = ParseInt(reader->ReadLine()) > 0;
      count.second += ++count.first > 5 && number;
    }
    return count;
  };
  EXPECT_EQ(linesAndPositive(level + ".ai42").first, 5 + 3 * fields);
  EXPECT_EQ(linesAndPositive(level + ".red"), std::pair(5 + fields, fields));
}

std::vector<fs::path> FilesEndingIn(const std::string& suffix) {
  std::vector<fs::path> out;
  for (auto& entry : fs::recursive_directory_iterator(kGame))
    if (entry.is_regular_file() && entry.path().extension() == suffix) out.push_back(entry.path());
  std::sort(out.begin(), out.end());
  return out;
}

bool HasPixel(const Image& image, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4)
    if (image.rgba[i] == r && image.rgba[i + 1] == g && image.rgba[i + 2] == b) return true;
  return false;
}

TEST_F(DefaultData, EveryPictureDecodesAndLoadsAsASprite) {
  auto pictures = FilesEndingIn(".png");
  ASSERT_GT(pictures.size(), 100u);
  Screen& screen = data.t.engine->screen();
  for (const auto& p : pictures) {
    Image image;
    ASSERT_TRUE(DecodePng(*ReadWholeFile(p.string()), image)) << p;
    EXPECT_EQ(screen.SpritePixelWidth(screen.LoadImageSprite(0, p.string(), kModeTexture)), image.width) << p;
    // Each folder's transparent colour: tiles must not hold magenta (it would punch
    // holes), objects and glyphs need white around them, effects black.
    const std::string folder = p.parent_path().filename().string();
    EXPECT_TRUE(folder != "TILES" || !HasPixel(image, 255, 0, 255)) << p;
    EXPECT_TRUE((folder != "WORLD" && folder != "FONT") || HasPixel(image, 255, 255, 255)) << p;
    EXPECT_TRUE(folder != "EFFECTS" || HasPixel(image, 0, 0, 0)) << p;
    if (p.filename() == "cursor.png" || (folder == "WORLD" && p.filename().string().rfind("foe_", 0) == 0)) {
      EXPECT_EQ(image.width, static_cast<int>(s.RESOLUTION)) << p << " is drawn at its own size: one field";
    }
  }
}

TEST_F(DefaultData, EverySoundDecodesWithALengthThatSuitsItsUse) {
  auto sounds = FilesEndingIn(".ogg");
  ASSERT_GE(sounds.size(), 8u);
  for (const auto& p : sounds) {
    Pcm pcm;
    ASSERT_TRUE(DecodeOgg(*ReadWholeFile(p.string()), pcm)) << p;
    ASSERT_EQ(pcm.channels, 2) << p;
    const double seconds = static_cast<double>(pcm.bytes.size()) / (pcm.sampleRate * 4.0);
    const bool music = p.parent_path().filename() == "MUSIC";
    EXPECT_TRUE(music ? seconds >= 30 && seconds <= 90 : seconds < 1.0) << p << " lasts " << seconds;
    EXPECT_TRUE(p.filename() != "step.ogg" || seconds < 0.1) << "the step sound plays on every step";
  }
}

TEST_F(DefaultData, FontCoversEveryTextAndTheLongestLineFitsTheScreen) {
  Game& game = data.game;
  game.objectScale = 1;  // glyph widths in pixels
  LoadFont(game);
  auto line = LineReader::Open(s.FONTSYSTEM)->ReadLine();
  for (unsigned char c : line)
    EXPECT_NE(game.font.glyphs[GlyphSlotFor(c).slot].sprite, 0) << GlyphSlotFor(c).name;
  // What the HUD, the dialogs, the level intro and the bomb stock draw.
  std::vector<std::string> texts = {
      " SCORE -1234567890 TIME TILES LEFT MAP GAME OVER QUIT ? PRESS TO CONTINUE",
      "PAUSED RESTART X B \xF6 &", kDemoNotice};
  for (const auto& title : kTitleLines) texts.push_back(title.text);
  for (const auto& text : texts)
    for (unsigned char c : text)
      EXPECT_TRUE(c == ' ' || c == '|' || c == '\\' || game.font.glyphs[c].width > 0)
          << "no glyph for " << c << " in " << text;
  // Bombs are drawn over the empty slots, so both icons need the same width.
  EXPECT_EQ(game.font.glyphs['&'].width, game.font.glyphs[246].width);
  // Title lines start at a tenth of the screen width and must end inside it.
  for (const auto& title : kTitleLines) {
    float design = 0;
    for (unsigned char c : std::string(title.text)) design += game.font.glyphs[c == ' ' ? 'I' : c].width;
    EXPECT_LE(design, 0.9f * static_cast<float>(s.RESBASEW)) << title.text;
  }
}

}  // namespace
}  // namespace vorantis
