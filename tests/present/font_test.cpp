// The bitmap font and the title screen.
#include <gtest/gtest.h>

#include <array>

#include "engine/input.h"
#include "play/play_fixture.h"
#include "present/font.h"
#include "present/title.h"

namespace vorantis::testing {
namespace {

// Glyph pictures of distinct widths so that each drawn quad tells its character.
class FontTest : public PlayTest {
 protected:
  using Placed = std::vector<std::array<int, 3>>;
  FontTest() {
    game.settings.FONTPATH = scratch.GamePath() + "FONT";
    game.settings.FONTSYSTEM = scratch.GamePath() + "font.txt";
    for (auto [name, width] : {std::pair{"A", 14}, {"E", 10}, {"F", 12}, {"G", 8}, {"I", 4}, {"_u", 6}})
      scratch.Write(std::string("FONT/") + name + ".png", PlainTga(width, name[0] == 'A' ? 20 : 16));
  }
  void LoadWithLine(const std::string& line) {
    scratch.Write("font.txt", line + "\r\nignored second line\r\n");
    LoadFont(game);
  }
  // Each drawn glyph as x, y, width.
  Placed Draw(const std::string& text, float size = 1, float spacing = 1) {
    tg.recorder()->ClearLog();
    DrawBitmapText(game, text, 100, 50, size, 0, 255, spacing);
    Placed placed;
    for (const QuadDraw& q : Quads())
      placed.push_back({static_cast<int>(q.corners[0].x), static_cast<int>(q.corners[0].y),
                        static_cast<int>(q.corners[3].x - q.corners[0].x)});
    return placed;
  }
};

TEST_F(FontTest, PenRules) {
  LoadWithLine("AEFGI\xFC");
  EXPECT_NE(game.font.glyphs['u'].sprite3D, 0);  // the umlaut loads into the small u's slot
  const std::tuple<const char*, float, float, Placed> cases[] = {
      {"EF|", 1, 1, {{100, 50, 10}, {110, 50, 12}}},
      {"E\\F|", 1, 1, {{100, 50, 10}, {100, 74, 12}}},  // next line: 1.2 x the height of A
      {" E|", 3, 0, {{104, 50, 30}}},                   // space: the width of I, whatever size
      {"EF|", -2, 1, {{100, 50, 10}, {110, 50, 12}}},   // negative size draws at size 1
      {"EF|", 0, 1, {{100, 50, 0}, {100, 50, 0}}},      // size 0 neither shows nor advances
      {"EFG|", 3, 0, {{100, 50, 30}, {100, 50, 36}, {100, 50, 24}}},
      {"E\374E|", 1, 1, {{100, 50, 10}, {110, 50, 10}}},  // the umlaut itself draws nothing
  };
  for (const auto& [text, size, spacing, expected] : cases)
    EXPECT_EQ(Draw(text, size, spacing), expected) << text << " " << size;
  Draw("EF");
  EXPECT_EQ(Draw("G|"), (Placed{{122, 50, 8}}));  // without "|" the pen carries over

  // Glyphs are scaled by the object scale; a missing image leaves its slot empty.
  game.objectScale = 2.0f;
  LoadWithLine("EZ");
  EXPECT_EQ(game.font.glyphs['E'].height, 32.0f);
  EXPECT_EQ(tg.engine->screen().Sprite3DWidth(game.font.glyphs['E'].sprite3D), 20);
  EXPECT_EQ(game.font.glyphs['Z'].sprite3D, 0);
}

// A slot is loaded once however often the line names it (a long line cost one load per
// character); the glyphs come out as a line naming each character once gives them.
TEST_F(FontTest, EachSlotLoadsOnceHoweverOftenTheLineRepeatsIt) {
  const std::string once = "EF\xFCu";  // the umlaut and u share the small u's slot
  scratch.Write("font.txt", once + "\r\n");
  EXPECT_EQ(LoadFont(game), 3);
  const Placed expected = Draw("EFu|");
  std::string repeated;
  for (int i = 0; i < 10000; ++i) repeated += once;
  scratch.Write("font.txt", repeated + "Z\r\n");
  EXPECT_EQ(LoadFont(game), 4);  // Z has no picture: one attempt
  EXPECT_EQ(Draw("EFu|"), expected);
  EXPECT_NE(game.font.glyphs['u'].sprite3D, 0);
  EXPECT_EQ(game.font.glyphs[0xFC].sprite3D, 0);
}

class TitleTest : public PlayTest {
 protected:
  TitleTest() : PlayTest(1920, 1080) {
    for (const char* name : {"TITLE0.png", "TITLE1.png"}) scratch.Write(name, PlainTga(8, 6));
    game.settings.LOADSCREEN = scratch.GamePath() + "TITLE#.png";
  }
};

// The stored trace of the default game pins the title's lines.
TEST_F(TitleTest, DrawsTheImageStretchedToTheScreenThenPresentsOnce) {
  EXPECT_EQ(TitleImageName("A#B#.png", 0), "A0B#.png");
  tg.input->SetKey(key::kSpace, true);
  ShowTitleScreen(game);
  EXPECT_EQ(Logged(Kind::kPresent).size(), 1u);
  auto quads = Quads();
  ASSERT_EQ(quads.size(), 1u);  // no glyphs loaded: the image alone, stretched to the screen
  EXPECT_EQ(std::pair(quads[0].corners[3].x, quads[0].corners[3].y), std::pair(1920.0f, 1080.0f));
}

TEST_F(TitleTest, WaitEndsOnAnyKeyOrWithAGamepadOnStartLetGoAlsoWithoutAnImage) {
  game.settings.LOADSCREEN = scratch.GamePath() + "TITLE0.png";  // no "#": nothing drawn
  const auto before = game.random.state();
  observer.beforeTitleWait = [this](int wait) { tg.input->SetKey(key::kA, wait >= 3); };
  ShowTitleScreen(game);
  EXPECT_EQ(observer.titleWaits, 3);
  EXPECT_TRUE(observer.texts.empty());
  EXPECT_TRUE(Logged(Kind::kPresent).empty());
  EXPECT_EQ(game.random.state(), before);  // no digit drawn

  // With a pad keys count for nothing, and START (also the pause button) must be let go.
  observer.titleWaits = 0;
  tg.input->padAttached = true;
  tg.engine->input().StartGamepad();
  game.gamepadPresent = 1;
  observer.beforeTitleWait = [this](int wait) { tg.input->SetButton(10, wait >= 5 && wait < 8); };
  ShowTitleScreen(game);
  EXPECT_EQ(observer.titleWaits, 8);
}

}  // namespace
}  // namespace vorantis::testing
