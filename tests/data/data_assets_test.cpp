// Decodes every picture and sound of the generated data set, checks the font
// against every text the game draws, and builds the first levels to see that a
// person can win them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/datafile.h"
#include "core/game.h"
#include "core/random.h"
#include "core/settings.h"
#include "engine/files.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"
#include "present/catalogues.h"
#include "present/credits.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

namespace fs = std::filesystem;

const fs::path kGame = fs::path(VORANTIS_BINARY_DIR) / "game";

std::vector<fs::path> FilesEndingIn(const std::string& suffix) {
  std::vector<fs::path> out;
  for (auto& entry : fs::recursive_directory_iterator(kGame))
    if (entry.is_regular_file() && entry.path().extension() == suffix) out.push_back(entry.path());
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  return *ReadWholeFile(p.string());
}

bool HasPixel(const Image& image, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4)
    if (image.rgba[i] == r && image.rgba[i + 1] == g && image.rgba[i + 2] == b) return true;
  return false;
}

TEST(DefaultDataAssets, EveryPictureDecodesAndLoadsAsASprite) {
  auto pictures = FilesEndingIn(".png");
  ASSERT_GT(pictures.size(), 100u);
  testing::TestGame t(320, 200);
  t.OpenScreen();
  RegisterImageDecoders(t.engine->screen());
  for (const auto& p : pictures) {
    Image image;
    ASSERT_TRUE(DecodePng(Bytes(p), image)) << p;
    int sprite = t.engine->screen().LoadImageSprite(0, p.string(), kModeTexture);
    EXPECT_NE(sprite, 0) << p;
    EXPECT_EQ(t.engine->screen().SpritePixelWidth(sprite), image.width) << p;
    std::string folder = p.parent_path().filename().string();
    // Each folder's transparent colour: tiles must not hold magenta (it would punch
    // holes), objects and glyphs need white around them, effects black.
    if (folder == "TILES") {
      EXPECT_FALSE(HasPixel(image, 255, 0, 255)) << p;
    }
    if (folder == "WORLD" || folder == "FONT") {
      EXPECT_TRUE(HasPixel(image, 255, 255, 255)) << p;
    }
    if (folder == "EFFECTS") {
      EXPECT_TRUE(HasPixel(image, 0, 0, 0)) << p;
    }
    if (p.filename() == "cursor.png" || (folder == "WORLD" && p.filename().string().rfind("foe_", 0) == 0)) {
      EXPECT_EQ(image.width, 48) << p << " is drawn at its own size: one field";
    }
  }
}

TEST(DefaultDataAssets, EverySoundDecodesWithLengthsThatSuitTheirUse) {
  auto sounds = FilesEndingIn(".ogg");
  ASSERT_GE(sounds.size(), 8u);
  for (const auto& p : sounds) {
    Pcm pcm;
    ASSERT_TRUE(DecodeOgg(Bytes(p), pcm)) << p;
    ASSERT_EQ(pcm.channels, 2) << p;
    double seconds = static_cast<double>(pcm.bytes.size()) / (pcm.sampleRate * 4.0);
    if (p.parent_path().filename() == "MUSIC") {
      EXPECT_GE(seconds, 30) << p;
      EXPECT_LE(seconds, 90) << p;
    } else {
      EXPECT_LT(seconds, 1.0) << p;
    }
    if (p.filename() == "step.ogg") {
      EXPECT_LT(seconds, 0.1) << "the step sound plays on every step";
    }
  }
}

// The glyph slot and file name of a character of the definition line.
std::pair<int, std::string> GlyphFor(unsigned char c) {
  switch (c) {
    case '.':
      return {c, "POINT"};
    case '?':
      return {c, "ASK"};
    case '[':
      return {c, "FLOPPY"};
    case ']':
      return {c, "FLOPPYB"};
    case '-':
      return {c, "MINUS"};
    case '"':
      return {c, "FUEL"};
    case '(':
      return {c, "LEFT"};
    case ')':
      return {c, "RIGHT"};
    case ':':
      return {c, "POINTPOINT"};
    case '*':
      return {c, "STERN"};
    case '&':
      return {c, "BOMB"};
    case 246:
    case 214:
      return {c, "NOBOMB"};
    case 196:
    case 228:
      return {c, "HERZ"};
    case '@':
      return {c, "LIFE"};
    case 252:
    case 220:
      return {'u', "_u"};
    case 223:
      return {'S', "S"};
    case '+':
      return {c, "PLUS"};
    default:
      break;
  }
  if (c >= 'a' && c <= 'z') return {c, std::string("_") + static_cast<char>(c)};
  return {c, std::string(1, static_cast<char>(c))};
}

TEST(DefaultDataAssets, FontCoversEveryTextAndTheLongestLineFitsTheScreen) {
  Settings settings;
  Random random;
  std::string base = kGame.string() + "/";
  ASSERT_TRUE(ReadSettingsFile(settings, random, base, base + "DATA/ini.txt"));
  auto reader = LineReader::Open(settings.FONTSYSTEM);
  ASSERT_TRUE(reader);
  std::string line = reader->ReadLine();
  std::vector<int> width(256, 0);
  for (unsigned char c : line) {
    auto [slot, name] = GlyphFor(c);
    auto bytes = ReadWholeFile(settings.FONTPATH + "\\" + name + ".png");
    ASSERT_TRUE(bytes) << name;
    Image image;
    ASSERT_TRUE(DecodePng(*bytes, image)) << name;
    width[static_cast<std::size_t>(slot)] = image.width;
  }
  std::vector<std::string> texts = {" SCORE -1234567890|",
                                    " TIME 60|",
                                    " TILES LEFT 99|",
                                    " MAP 12|",
                                    "  GAME OVER |",
                                    "  QUIT GAME ? |",
                                    "  PRESS B TO QUIT     |",
                                    "  PRESS X TO CONTINUE |",
                                    "  GAME PAUSED |",
                                    "  PRESS B TO RESTART  |",
                                    " \xF6\xF6\xF6 |",
                                    " &&&|",
                                    kDemoNotice};
  for (const auto& title : kTitleLines) texts.push_back(title.text);
  for (const auto& text : texts)
    for (unsigned char c : text)
      if (c != ' ' && c != '|' && c != '\\') {
        EXPECT_GT(width[c], 0) << "no glyph for '" << c << "' in " << text;
      }
  // Bombs are drawn over the empty slots, so both icons need the same width.
  EXPECT_EQ(width['&'], width[246]);
  // Title lines start at a tenth of the screen width and must end inside it.
  for (const auto& title : kTitleLines) {
    int design = 0;
    for (unsigned char c : std::string(title.text)) design += c == ' ' ? width['I'] : width[c];
    EXPECT_LE(design, 0.9 * settings.RESBASEW) << title.text;
  }
}

// A field that can become blue floor.
bool Colourable(const Game& game, int c, int r) {
  const MatrixField* f = game.matrix.Find(c, r);
  return f && f->tileCode && (Str(f->tileCode) == "LAB_FLOOR" || Str(f->tileCode) == "LAB_GREEN");
}

// Fields that one of the four completion patterns could fix if all were coloured.
int FixableFields(const Game& game) {
  int count = 0;
  for (int c = 0; c <= game.level.levelWidth; ++c)
    for (int r = 0; r <= game.level.levelHeight; ++r) {
      if (!Colourable(game, c, r)) continue;
      auto all = [&](std::initializer_list<std::pair<int, int>> cells) {
        for (auto [dc, dr] : cells)
          if (!Colourable(game, c + dc, r + dr)) return false;
        return true;
      };
      if (all({{-1, 0}, {-1, 1}, {0, 1}}) || all({{1, 0}, {1, 1}, {0, 1}}) ||
          all({{0, -1}, {1, -1}, {-1, -1}}) || all({{0, 1}, {1, 1}, {-1, 1}}))
        ++count;
    }
  return count;
}

TEST(DefaultDataAssets, FirstLevelsLeaveEnoughFloorAndTimeToWin) {
  auto previous = fs::current_path();
  fs::current_path(kGame);  // text keys such as the tile definition folder are relative to it
  {
    testing::TestGame t(1920, 1080);
    t.OpenScreen();
    RegisterImageDecoders(t.engine->screen());
    Game& game = *t.game;
    game.baseDirectory = CurrentDirectoryWithBackslash();
    ASSERT_TRUE(ReadSettingsFile(game.settings, game.random, game.baseDirectory,
                                 game.baseDirectory + "DATA\\ini.txt"));
    game.objectScale = game.screenWidth / static_cast<float>(game.settings.RESBASEW);
    game.matrix.Create(512, 512);
    // Start-up's loaders in its order: the music pick draws from the generator
    // between the seeding and the build, so the tracks must be listed.
    LoadTileGraphics(game);
    LoadObjectDefinitions(game);
    LoadSoundEffects(game);
    LoadMusicTracks(game);
    StartSelfCreatedGame(game, game.settings.SELFCREATEBASE);
    int withEnemies = 0;
    for (int level = 1; level <= 4; ++level) {
      if (level > 1) {
        game.play.levelNumber = level;
        NewLevel(game);
      }
      int tiles = game.play.tilesLeft, fixable = FixableFields(game);
      // A person needs about two steps per fixed field (colouring and walking);
      // the countdown must give at least that at the configured cursor speed.
      double framesGiven = static_cast<double>(game.play.timeLeft + 1) * (game.settings.WORLDREFRESH + 1);
      double framesNeeded = 2.0 * tiles * (game.settings.cursorDelay + 1);
      EXPECT_GE(tiles, 4) << "level " << level << " is over before it starts";
      EXPECT_GE(fixable, tiles * 1.2) << "level " << level << " has too little floor that can be fixed";
      EXPECT_GE(framesGiven, framesNeeded) << "level " << level << " gives too little time";
      withEnemies += !game.enemies.empty();
    }
    EXPECT_GE(withEnemies, 3) << "enemies spawn too rarely";
  }
  fs::current_path(previous);
}

TEST(DefaultDataAssets, HandMadeLevelLoadsWithFloorToColourAndTimeToDoIt) {
  const fs::path folder = fs::path(VORANTIS_BINARY_DIR) / "game-levelfile";
  auto previous = fs::current_path();
  fs::current_path(folder);
  {
    testing::TestGame t(1920, 1080);
    t.OpenScreen();
    RegisterImageDecoders(t.engine->screen());
    Game& game = *t.game;
    game.baseDirectory = CurrentDirectoryWithBackslash();
    ASSERT_TRUE(ReadSettingsFile(game.settings, game.random, game.baseDirectory,
                                 game.baseDirectory + "DATA\\ini.txt"));
    ASSERT_NE(game.settings.USESELFCREATEBASE, 1);
    game.objectScale = game.screenWidth / static_cast<float>(game.settings.RESBASEW);
    game.matrix.Create(512, 512);
    LoadTileGraphics(game);
    LoadObjectDefinitions(game);
    LoadLevelFile(game, game.settings.APPENTRY + game.settings.APPSTART + ".ai42");
    EXPECT_GT(game.play.tilesLeft, 4);
    EXPECT_GE(FixableFields(game), game.play.tilesLeft * 2);
    EXPECT_GT(game.play.timeLeft, 0);
    // Every field of the level area got a graphic from its colour's definition.
    for (int c = 0; c <= game.level.levelWidth; ++c) {
      for (int r = 0; r <= game.level.levelHeight; ++r) {
        EXPECT_NE(game.matrix.At(c, r).sprite3D, 0) << c << "," << r;
      }
    }
  }
  fs::current_path(previous);
}

}  // namespace
}  // namespace vorantis
