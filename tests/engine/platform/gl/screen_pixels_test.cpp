// The picture services on the real GL path, headless through SDL's offscreen driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "engine/platform/gl_renderer.h"
#include "engine/tga_decoder.h"
#include "support/test_files.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::TgaPixel;
using Rgb3 = std::tuple<int, int, int>;

[[maybe_unused]] const bool kOffscreen = setenv("SDL_VIDEODRIVER", "offscreen", 1) == 0;

// The largest difference between two colours' channels.
int Off(Rgb3 a, Rgb3 b) {
  return std::max({std::abs(std::get<0>(a) - std::get<0>(b)), std::abs(std::get<1>(a) - std::get<1>(b)),
                   std::abs(std::get<2>(a) - std::get<2>(b))});
}

constexpr TgaPixel kMagenta{255, 0, 255, 255}, kRed{255, 0, 0, 255}, kGreen{0, 200, 0, 255};
// 4 x 4: left half magenta, right half red.
const std::vector<TgaPixel> kHalfKeyed = {kMagenta, kMagenta, kRed, kRed, kMagenta, kMagenta, kRed, kRed,
                                          kMagenta, kMagenta, kRed, kRed, kMagenta, kMagenta, kRed, kRed};

struct GlScreen : ::testing::Test {
  GlScreen() : game(64, 48, [](int w, int h) { return MakeOffscreenGlRenderer(w, h); }) {
    game.OpenScreen();
    screen().RegisterImageDecoder(DecodeTga);
    screen().SetDefaultColourKey(-1, Rgb(255, 0, 255));
  }
  void SetUp() override { ASSERT_NE(screen().renderer(), nullptr) << "no GL 3.3 core context"; }
  Screen& screen() { return game.engine->screen(); }

  // A sprite from 32-bit pixels listed top row first.
  int Sprite(int width, int height, const std::vector<TgaPixel>& pixels, int mode = 4) {
    const std::string name = std::to_string(serial++) + ".tga";
    folder.Write(name, testing::AsText(testing::MakeTga(width, height, pixels, 32, false)));
    return screen().LoadImageSprite(-1, folder.GamePath() + name, mode);
  }
  int Quad(int width, int height, const std::vector<TgaPixel>& pixels, int mode = 4) {
    return screen().MakeSprite3D(-1, Sprite(width, height, pixels, mode));
  }
  Rgb3 At(int x, int y) {
    const Image pixel = screen().renderer()->ReadPixels(x, y, 1, 1);
    return {pixel.rgba[0], pixel.rgba[1], pixel.rgba[2]};
  }
  void Expect(std::initializer_list<std::tuple<int, int, Rgb3>> probes, int round = -1) {
    for (auto [x, y, want] : probes) EXPECT_EQ(At(x, y), want) << x << "," << y << " round " << round;
  }

  testing::TestGame game;
  testing::ScratchFolder folder;
  int serial = 0;
};

TEST_F(GlScreen, KeyedTexelsAreNeverDrawnWhateverTheBlendFilterOrOpacity) {
  const int quad = Quad(4, 4, kHalfKeyed);
  ASSERT_NE(quad, 0);
  screen().FillScreen(Rgb(0, 0, 255));
  screen().BeginSprite3DPass();
  screen().DrawSprite3D(quad, 10, 10, 255);
  screen().DrawSprite3D(quad, 10, 20, 0);
  screen().SetSprite3DBlend(2, 5);
  screen().DrawSprite3D(quad, 20, 10);
  screen().SetSprite3DBlend(2, 2);
  screen().SetSprite3DFilter(1);
  screen().ScaleSprite3D(quad, 16, 16);
  screen().DrawSprite3D(quad, 30, 10);
  screen().EndSprite3DPass();
  const Rgb3 blue{0, 0, 255}, magenta{255, 0, 255};
  // Full opacity is exact, opacity 0 shows nothing, the additive blend adds red to blue.
  Expect({{10, 10, blue}, {12, 13, {255, 0, 0}}, {12, 21, blue}, {21, 12, blue}, {23, 12, magenta}});
  // Scaled and smoothed: the keyed half stays untouched right up to the edge.
  for (int x = 30; x < 38; ++x) EXPECT_EQ(At(x, 15), blue) << x;
  EXPECT_EQ(At(44, 15), magenta);
}

TEST_F(GlScreen, OpacityWeightsAdditiveTranslucentAndOwnAlphaBlends) {
  const int quad = Quad(2, 2, {kMagenta, kGreen, kGreen, kGreen});
  screen().FillScreen(Rgb(100, 100, 100));
  screen().BeginSprite3DPass();
  screen().SetSprite3DBlend(2, 5);
  screen().DrawSprite3D(quad, 0, 0, 128);
  screen().EndSprite3DPass();
  EXPECT_EQ(At(0, 0), Rgb3(100, 100, 100));
  EXPECT_LE(Off(At(1, 0), {50, 250, 50}), 2);  // green + background x 128/255
  screen().BeginSprite3DPass();                // translucent again
  screen().DrawSprite3D(quad, 10, 0, 128);
  EXPECT_LE(Off(At(11, 0), {50, 150, 50}), 2);
  // Own-alpha sprites ignore the key and multiply their alpha by the opacity.
  const int own = Quad(2, 1, {kMagenta, {255, 255, 255, 128}}, 12);
  screen().FillScreen(Rgb(0, 0, 0));
  screen().DrawSprite3D(own, 0, 0, 255);
  screen().DrawSprite3D(own, 4, 0, 128);
  EXPECT_EQ(At(0, 0), Rgb3(255, 0, 255)) << "own alpha ignores the key";
  EXPECT_LE(Off(At(1, 0), {128, 128, 128}), 2);
  EXPECT_LE(Off(At(5, 0), {64, 64, 64}), 2);
}

TEST_F(GlScreen, NearestKeepsTexelsSharpAndBilinearBlendsThem) {
  const int quad = Quad(2, 1, {{0, 0, 0, 255}, {255, 255, 255, 255}});
  screen().ScaleSprite3D(quad, 20, 4);
  screen().BeginSprite3DPass();
  screen().SetSprite3DFilter(0);
  screen().DrawSprite3D(quad, 0, 0);
  screen().SetSprite3DFilter(1);
  screen().DrawSprite3D(quad, 0, 10);
  Expect({{9, 1, {0, 0, 0}}, {10, 1, {255, 255, 255}}, {0, 11, {0, 0, 0}}, {19, 11, {255, 255, 255}}});
  EXPECT_LE(Off(At(9, 11), {128, 128, 128}), 67);
}

TEST_F(GlScreen, GrabThenRedrawReproducesTheRectangleAndKeepsTheKey) {
  screen().FillScreen(Rgb(0, 0, 0));
  screen().FillRectangle(5, 5, 7, 3, Rgb(200, 10, 10));
  screen().FillRectangle(8, 9, 4, 4, Rgb(10, 200, 10));
  screen().FillRectangle(12, 6, 2, 2, Rgb(255, 0, 255));
  const Image before = screen().renderer()->ReadPixels(4, 4, 12, 10);
  const int quad = screen().MakeSprite3D(-1, screen().GrabScreenSprite(-1, 4, 4, 12, 10, 4));
  ASSERT_NE(quad, 0);
  screen().FillScreen(Rgb(0, 0, 0));
  screen().BeginSprite3DPass();
  screen().DrawSprite3D(quad, 4, 4);
  const Image after = screen().renderer()->ReadPixels(4, 4, 12, 10);
  // The grabbed magenta is the colour key: it stays black, everything else returns.
  Image want = before;
  for (int y = 2; y < 4; ++y) std::fill_n(&want.rgba[(y * 12 + 8) * 4], 8, 0);
  for (std::size_t i = 3; i < want.rgba.size(); i += 4) want.rgba[i] = after.rgba[i];
  EXPECT_EQ(after.rgba, want.rgba);
}

// The texture holds only the part of a grab that lies on the back buffer; the rest draws
// black, as before, however large the grab (the zoom grabs FULLSCREENZOOM times the screen).
TEST_F(GlScreen, GrabsRunningOffTheBufferAreBlackThereWhateverTheirSize) {
  const Rgb3 red{200, 10, 10}, green{10, 200, 10}, blue{0, 0, 255}, black{0, 0, 0};
  screen().FillScreen(Rgb(10, 200, 10));
  screen().FillRectangle(0, 0, 32, 48, Rgb(200, 10, 10));
  // Half off the right and bottom edges: the corner 4 x 4 is kept.
  const int corner = screen().MakeSprite3D(-1, screen().GrabScreenSprite(-1, 60, 44, 8, 6, 4));
  // Ten times the screen from (1, 1), drawn over the whole screen: its top-left tenth.
  const int zoomed = screen().MakeSprite3D(-1, screen().GrabScreenSprite(-1, 1, 1, 639, 479, 4));
  const int huge = screen().MakeSprite3D(-1, screen().GrabScreenSprite(-1, 1, 1, 30000, 30000, 4));
  const int off = screen().MakeSprite3D(-1, screen().GrabScreenSprite(-1, 100, 0, 8, 8, 4));
  ASSERT_TRUE(corner != 0 && zoomed != 0 && huge != 0 && off != 0);

  screen().FillScreen(Rgb(0, 0, 255));
  screen().BeginSprite3DPass();
  screen().DrawSprite3D(corner, 0, 0);
  screen().DrawSprite3D(off, 20, 0);
  Expect({{0, 0, green}, {3, 3, green}, {4, 0, black}, {7, 5, black}, {0, 4, black}});
  Expect({{8, 0, blue}, {0, 6, blue}, {23, 3, black}});

  for (int smooth : {0, 1}) {
    screen().SetSprite3DFilter(smooth);
    screen().ScaleSprite3D(zoomed, 64, 48);
    screen().FillScreen(Rgb(0, 0, 255));
    screen().DrawSprite3D(zoomed, 0, 0);
    // Screen column 2 samples grab column 24 (red), 4 column 44 (green), 6 column 64: off the buffer.
    Expect({{2, 2, red}, {4, 2, green}, {5, 3, green}, {6, 2, black}, {2, 5, black}}, smooth);
    EXPECT_EQ(At(40, 30), black);
  }
  screen().ScaleSprite3D(huge, 64, 48);
  screen().DrawSprite3D(huge, 0, 0);
  Expect({{0, 0, black}, {63, 47, black}});

  // A freed grab's texture taken by a grab of the same kept size but another frame: drawn
  // right after the first, each keeps its own frame.
  screen().FillScreen(Rgb(10, 200, 10));
  const int beforeSprite = screen().GrabScreenSprite(-1, 60, 44, 8, 6, 4);
  const int before = screen().MakeSprite3D(-1, beforeSprite);
  screen().DrawSprite3D(before, 0, 0);
  screen().ReleaseSprite3D(before);
  screen().ReleaseSprite(beforeSprite);
  const int after = screen().MakeSprite3D(-1, screen().GrabScreenSprite(-1, -4, -4, 8, 8, 4));
  screen().DrawSprite3D(after, 20, 20);
  Expect({{0, 0, green}, {4, 0, black}, {21, 21, black}, {25, 25, green}});
}

// Small pictures share texture pages: each draws only its own texels, bilinear included,
// and a freed picture's place taken by a new one leaves quads drawn before untouched.
TEST_F(GlScreen, PicturesSharingAPageKeepToTheirOwnTexels) {
  const std::vector<TgaPixel> red(4, kRed), green(4, kGreen), blue(4, TgaPixel{0, 0, 255, 255});
  const int redSprite = Sprite(2, 2, red);
  const int redQuad = screen().MakeSprite3D(-1, redSprite);
  const int greenQuad = Quad(2, 2, green);
  screen().FillScreen(Rgb(0, 0, 0));
  screen().BeginSprite3DPass();
  screen().SetSprite3DFilter(1);
  screen().ScaleSprite3D(redQuad, 8, 8);
  screen().ScaleSprite3D(greenQuad, 8, 8);
  screen().DrawSprite3D(redQuad, 0, 0);
  screen().DrawSprite3D(greenQuad, 8, 0);
  screen().SetSprite3DFilter(0);
  screen().DrawSprite3D(redQuad, 20, 0);
  screen().ReleaseSprite3D(redQuad);
  screen().ReleaseSprite(redSprite);
  const int blueQuad = Quad(2, 2, blue);
  screen().DrawSprite3D(blueQuad, 30, 0);
  const Rgb3 r{255, 0, 0}, g{0, 200, 0};
  Expect({{0, 4, r}, {7, 4, r}, {20, 4, r}, {27, 4, r}, {8, 4, g}, {15, 4, g}, {31, 1, {0, 0, 255}}});
}

TEST_F(GlScreen, ProgressBarIsARedBarOnABlackBandThatSurvivesThePresent) {
  screen().FillScreen(Rgb(255, 255, 255));
  screen().BeginCanvas();
  screen().FillRectangle(0, 20, 64, 9, Rgb(0, 0, 0));
  screen().FillRectangle(0, 20, 25, 8, Rgb(255, 0, 0));
  screen().FillRectangle(40, 2, 1, 1, Rgb(0, 255, 0));
  screen().PresentFrame();
  const Rgb3 red{255, 0, 0}, black{0, 0, 0}, white{255, 255, 255}, green{0, 255, 0};
  Expect({{0, 20, red}, {24, 27, red}, {25, 20, black}, {10, 28, black}, {10, 29, white}});
  Expect({{10, 19, white}, {40, 2, green}, {41, 2, white}, {40, 3, white}});
}

TEST(GlBlendFactors, EveryDirect3DNumberHasAFactorAndBothNumbersSetTheDestination) {
  for (int n = 1; n <= 13; ++n)
    EXPECT_TRUE(GlBlendFactor(n, true) != kNoBlendFactor && GlBlendFactor(n, false) != kNoBlendFactor) << n;
  EXPECT_EQ(GlBlendFactor(0, true), kNoBlendFactor);
  EXPECT_EQ(GlBlendFactor(14, false), kNoBlendFactor);
  EXPECT_EQ(GlBlendFactor(12, false), GlBlendFactor(6, false));
  EXPECT_EQ(GlBlendFactor(13, false), GlBlendFactor(5, false));
}

}  // namespace
}  // namespace vorantis
