#include <gtest/gtest.h>

#include "play/play_fixture.h"
#include "present/credits.h"
#include "present/font.h"
#include "present/title.h"

namespace vorantis::testing {
namespace {

// Glyph pictures of distinct widths so that each drawn quad tells its character.
class FontTest : public PlayTest {
 protected:
  FontTest() {
    game.settings.FONTPATH = scratch.GamePath() + "FONT";
    game.settings.FONTSYSTEM = scratch.GamePath() + "font.txt";
    WritePicture("FONT/A.png", 14, 20);
    WritePicture("FONT/E.png", 10, 16);
    WritePicture("FONT/F.png", 12, 16);
    WritePicture("FONT/G.png", 8, 16);
    WritePicture("FONT/I.png", 4, 16);
    WritePicture("FONT/_u.png", 6, 16);
  }
  void LoadWithLine(const std::string& line) {
    scratch.Write("font.txt", line + "\r\nignored second line\r\n");
    LoadFont(game);
  }
  void Draw(const std::string& text, float x, float y, float size = 1, float spacing = 1) {
    DrawBitmapText(game, text, x, y, size, 0, 255, spacing);
  }
  struct Placed {
    int x, y, width, height;
  };
  std::vector<Placed> Drawn() {
    std::vector<Placed> placed;
    for (const QuadDraw& q : Quads()) {
      placed.push_back({static_cast<int>(q.corners[0].x), static_cast<int>(q.corners[0].y),
                        static_cast<int>(q.corners[3].x - q.corners[0].x),
                        static_cast<int>(q.corners[3].y - q.corners[0].y)});
    }
    return placed;
  }
};

TEST(GlyphSlots, NamesAndSharedSlotsFollowTheTable) {
  EXPECT_EQ(GlyphSlotFor('.').name, "POINT");
  EXPECT_EQ(GlyphSlotFor('"').name, "FUEL");
  EXPECT_EQ(GlyphSlotFor('&').name, "BOMB");
  EXPECT_EQ(GlyphSlotFor(246).name, "NOBOMB");
  EXPECT_EQ(GlyphSlotFor(214).slot, 214);
  EXPECT_EQ(GlyphSlotFor(228).name, "HERZ");
  EXPECT_EQ(GlyphSlotFor('q').name, "_q");
  EXPECT_EQ(GlyphSlotFor('Q').name, "Q");
  EXPECT_EQ(GlyphSlotFor('7').name, "7");
  // Umlaut u and sharp s borrow other letters' slots.
  EXPECT_EQ(GlyphSlotFor(252).slot, 'u');
  EXPECT_EQ(GlyphSlotFor(252).name, "_u");
  EXPECT_EQ(GlyphSlotFor(220).slot, 'u');
  EXPECT_EQ(GlyphSlotFor(223).slot, 'S');
  EXPECT_EQ(GlyphSlotFor(223).name, "S");
}

TEST_F(FontTest, LoadingSizesGlyphsByObjectScaleAndSkipsMissingImages) {
  game.objectScale = 2.0f;  // 16-pixel images on a desktop twice the design width
  LoadWithLine("EZ");
  EXPECT_EQ(game.glyphs['E'].width, 20.0f);
  EXPECT_EQ(game.glyphs['E'].height, 32.0f);
  EXPECT_NE(game.glyphs['E'].sprite3D, 0);
  EXPECT_EQ(tg.engine->screen().Sprite3DWidth(game.glyphs['E'].sprite3D), 20);
  EXPECT_EQ(game.glyphs['Z'].sprite3D, 0);  // no Z.png
}

TEST_F(FontTest, UmlautULoadsIntoTheSmallUSlotAndDrawsNothingItself) {
  LoadWithLine("E\xFC");
  EXPECT_NE(game.glyphs['u'].sprite3D, 0);
  EXPECT_EQ(game.glyphs[252].sprite3D, 0);
  Draw(
      "E\xFC"
      "E|",
      100, 50);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[1].x, 110);  // the umlaut did not advance the pen
}

TEST_F(FontTest, MissingDefinitionFileLeavesEveryTextEmpty) {
  LoadFont(game);
  Draw("EF|", 0, 0);
  EXPECT_TRUE(Drawn().empty());
}

TEST_F(FontTest, ReloadingFreesTheOldGlyphs) {
  LoadWithLine("EF");
  const int before = tg.recorder()->liveTextures();
  LoadWithLine("EF");
  EXPECT_EQ(tg.recorder()->liveTextures(), before);
}

TEST_F(FontTest, PenAdvancesByWidthAndBarResetsIt) {
  LoadWithLine("AEFGI");
  Draw("EF|", 100, 50);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].x, 100);
  EXPECT_EQ(drawn[0].y, 50);
  EXPECT_EQ(drawn[1].x, 110);
  EXPECT_EQ(drawn[1].y, 50);
  EXPECT_EQ(game.penX, 0);
  EXPECT_EQ(game.penY, 0);
}

TEST_F(FontTest, PenCarriesOverBetweenTextsWithoutBar) {
  LoadWithLine("AEFGI");
  Draw("EF", 100, 50);
  Draw("G|", 100, 50);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[2].x, 122);
  EXPECT_EQ(drawn[2].width, 8);
}

TEST_F(FontTest, BackslashStartsALineBelowAtTheTextsX) {
  LoadWithLine("AEFGI");
  Draw("E\\F|", 100, 50);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[1].x, 100);
  EXPECT_EQ(drawn[1].y, 74);  // 50 + 20 x 1.2
}

TEST_F(FontTest, SpaceAdvancesByTheWidthOfIWhateverSizeOrSpacing) {
  LoadWithLine("AEFGI");
  Draw(" E|", 100, 50, 3.0f, 0.0f);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].x, 104);
}

TEST_F(FontTest, NegativeSizeDrawsAtSizeOneAndZeroSizeNeitherShowsNorAdvances) {
  LoadWithLine("AEFGI");
  Draw("EF|", 100, 50, -2.0f);
  Draw("EF|", 100, 50, 0.0f);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].width, 10);
  EXPECT_EQ(drawn[1].x, 110);
  EXPECT_EQ(drawn[2].width, 0);
  EXPECT_EQ(drawn[3].x, 100);
}

TEST_F(FontTest, ZeroSpacingStacksEveryCharacterAtTheStart) {
  LoadWithLine("AEFGI");
  Draw("EFG|", 100, 50, 3.0f, 0.0f);
  auto drawn = Drawn();
  ASSERT_EQ(drawn.size(), 3u);
  for (const auto& d : drawn) EXPECT_EQ(d.x, 100);
  EXPECT_EQ(drawn[0].width, 30);
}

TEST(Credits, EveryTitleLineAndTheNoticeEndTheirTextWithBar) {
  for (const TitleLine& line : kTitleLines) {
    const std::string text = line.text;
    EXPECT_EQ(text.substr(0, 2), "  ");
    EXPECT_EQ(text.back(), '|');
  }
  const std::string notice = kDemoNotice;
  EXPECT_EQ(notice.back(), '|');
  EXPECT_NE(notice.find("QUARLIX BOARD"), std::string::npos);
}

}  // namespace
}  // namespace vorantis::testing
