#include <gtest/gtest.h>

#include "engine/sprite_geometry.h"
#include "engine/tga_decoder.h"
#include "engine/tga_test_image.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using Corners = std::array<QuadCorner, 4>;

void ExpectCorners(const Corners& got, std::array<std::pair<float, float>, 4> want) {
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(got[i].x, want[i].first) << "corner " << i;
    EXPECT_EQ(got[i].y, want[i].second) << "corner " << i;
  }
}

struct TurnFixture : ::testing::Test {
  TurnFixture() {
    game.OpenScreen();
    screen().RegisterImageDecoder(DecodeTga);
    folder.Write("sq.tga", testing::AsText(testing::MakeTga(
                               32, 32, std::vector<testing::TgaPixel>(32 * 32, {9, 9, 9, 255}), 24, false)));
    quad = screen().MakeSprite3D(-1, screen().LoadImageSprite(-1, folder.GamePath() + "sq.tga", 4));
  }
  Screen& screen() { return game.engine->screen(); }
  testing::TestGame game;
  testing::ScratchFolder folder;
  int quad = 0;
};

TEST_F(TurnFixture, NewQuadIsUprightAtItsSpriteSize) {
  ASSERT_NE(quad, 0);
  EXPECT_EQ(screen().Sprite3DWidth(quad), 32);
  EXPECT_EQ(screen().Sprite3DAngle(quad), 0);
  ExpectCorners(screen().Sprite3DCorners(quad), {{{0, 0}, {32, 0}, {0, 32}, {32, 32}}});
}

TEST_F(TurnFixture, TruncatedCornersOfTheTurnArithmetic) {
  // Angle 0: the factor and step that are not quite pi/180 and pi/2 leave the
  // bottom edge one pixel short after truncation.
  screen().TurnSprite3D(quad, 0, 1);
  ExpectCorners(screen().Sprite3DCorners(quad), {{{0, 0}, {32, 0}, {0, 32}, {32, 31}}});
  screen().TurnSprite3D(quad, 90, 0);
  const Corners quarter = screen().Sprite3DCorners(quad);
  // A quarter turn clockwise: the top-left corner moves to the top-right.
  EXPECT_NEAR(quarter[0].x, 32, 1);
  EXPECT_NEAR(quarter[0].y, 0, 1);
  EXPECT_NEAR(quarter[3].x, 0, 1);
  EXPECT_NEAR(quarter[3].y, 32, 1);
}

TEST_F(TurnFixture, RelativeTurnsAccumulateAndWrap) {
  screen().TurnSprite3D(quad, 370, 1);
  const Corners big = screen().Sprite3DCorners(quad);
  EXPECT_EQ(screen().Sprite3DAngle(quad), 10);
  screen().TurnSprite3D(quad, 10, 0);
  EXPECT_EQ(screen().Sprite3DAngle(quad), 0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(big[i].x, screen().Sprite3DCorners(quad)[i].x);
    EXPECT_EQ(big[i].y, screen().Sprite3DCorners(quad)[i].y);
  }
  screen().TurnSprite3D(quad, -30, 1);
  EXPECT_EQ(screen().Sprite3DAngle(quad), -30);
}

TEST_F(TurnFixture, OneDegreePerFrameTurnsAboutTheCentreWithoutJumps) {
  for (int frame = 1; frame <= 40000; ++frame) {
    screen().TurnSprite3D(quad, 1, 1);
    const Corners c = screen().Sprite3DCorners(quad);
    // Opposite corners stay mirrored about the centre (16, 16) within truncation.
    ASSERT_NEAR(c[0].x + c[3].x, 32, 2) << frame;
    ASSERT_NEAR(c[0].y + c[3].y, 32, 2) << frame;
    ASSERT_EQ(screen().Sprite3DAngle(quad), frame % 360) << frame;
  }
  // After 32,768 one-degree turns the quad still continues smoothly.
  const Corners expected = TurnedCorners(32, 32, 40001 % 360);
  screen().TurnSprite3D(quad, 1, 1);
  ExpectCorners(screen().Sprite3DCorners(quad), {{{expected[0].x, expected[0].y},
                                                  {expected[1].x, expected[1].y},
                                                  {expected[2].x, expected[2].y},
                                                  {expected[3].x, expected[3].y}}});
}

TEST_F(TurnFixture, ScaleAfterTurnIsUprightAndKeepsTheAngle) {
  screen().TurnSprite3D(quad, 45, 1);
  screen().ScaleSprite3D(quad, 64.7f, 10);
  ExpectCorners(screen().Sprite3DCorners(quad), {{{0, 0}, {64.7f, 0}, {0, 10}, {64.7f, 10}}});
  EXPECT_EQ(screen().Sprite3DWidth(quad), 64);
  EXPECT_EQ(screen().Sprite3DAngle(quad), 45);
  // The next turn uses the new size and the kept angle.
  screen().TurnSprite3D(quad, 0, 1);
  const Corners turned = TurnedCorners(64, 10, 45);
  EXPECT_EQ(screen().Sprite3DCorners(quad)[0].x, turned[0].x);
}

TEST_F(TurnFixture, WarpTakesPointsClockwise) {
  screen().WarpSprite3D(quad, 1, 2, 30, 3, 31, 29, 4, 28);
  ExpectCorners(screen().Sprite3DCorners(quad), {{{1, 2}, {30, 3}, {4, 28}, {31, 29}}});
  EXPECT_EQ(screen().Sprite3DCorners(quad)[2].v, 1);
}

TEST(TurnArithmetic, NonSquareQuadsKeepTheFormulasSkew) {
  // Truncated halves (2, 1) and the formula as it stands: a 5 x 3 quad is not drawn
  // upright at angle 0 (only square quads are); data laid out for it expects this.
  ExpectCorners(TurnedCorners(5, 3, 0), {{{1, -1}, {4, 0}, {0, 2}, {3, 2}}});
  ExpectCorners(TurnedCorners(5, 3, 180), {{{3, 2}, {0, 2}, {3, 0}, {0, 0}}});
}

}  // namespace
}  // namespace vorantis
