// The picture services on the real GL path, headless through SDL's offscreen driver.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/platform/gl_renderer.h"
#include "engine/tga_decoder.h"
#include "engine/tga_test_image.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::TgaPixel;

class OffscreenVideo : public ::testing::Environment {
 public:
  void SetUp() override { setenv("SDL_VIDEODRIVER", "offscreen", 1); }
};
const auto* const kOffscreen = ::testing::AddGlobalTestEnvironment(new OffscreenVideo);

constexpr TgaPixel kMagenta{255, 0, 255, 255};
constexpr TgaPixel kRed{255, 0, 0, 255};
constexpr TgaPixel kGreen{0, 200, 0, 255};
constexpr TgaPixel kBlack{0, 0, 0, 255};
constexpr TgaPixel kWhite{255, 255, 255, 255};

struct Rgb3 {
  int r, g, b;
  bool operator==(const Rgb3&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb3& c) {
  return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

struct GlScreen : ::testing::Test {
  GlScreen() : game(64, 48, [](int w, int h) { return MakeOffscreenGlRenderer(w, h); }) {
    game.OpenScreen();
    screen().RegisterImageDecoder(DecodeTga);
    screen().SetDefaultColourKey(-1, Rgb(255, 0, 255));
  }
  void SetUp() override { ASSERT_NE(screen().renderer(), nullptr) << "no GL 3.3 core context"; }

  Screen& screen() { return game.engine->screen(); }

  // A texture-mode sprite (mode 4 unless given) from pixels listed top row first.
  int Sprite(int width, int height, const std::vector<TgaPixel>& pixels, int mode = 4) {
    const std::string name = "s" + std::to_string(serial++) + ".tga";
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

  testing::TestGame game;
  testing::ScratchFolder folder;
  int serial = 0;
};

// Left half magenta, right half red.
std::vector<TgaPixel> HalfKeyed() {
  std::vector<TgaPixel> pixels;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) pixels.push_back(x < 2 ? kMagenta : kRed);
  return pixels;
}

TEST_F(GlScreen, KeyedTexelsAreNeverDrawnWhateverTheBlendOrFilter) {
  const int quad = Quad(4, 4, HalfKeyed());
  ASSERT_NE(quad, 0);
  screen().FillScreen(Rgb(0, 0, 255));
  screen().BeginSprite3DPass();
  screen().DrawSprite3D(quad, 10, 10);
  screen().SetSprite3DBlend(2, 5);
  screen().DrawSprite3D(quad, 20, 10);
  screen().SetSprite3DBlend(2, 2);
  screen().SetSprite3DFilter(1);
  screen().ScaleSprite3D(quad, 16, 16);
  screen().DrawSprite3D(quad, 30, 10);
  screen().EndSprite3DPass();
  EXPECT_EQ(At(10, 10), (Rgb3{0, 0, 255}));
  EXPECT_EQ(At(12, 13), (Rgb3{255, 0, 0}));
  EXPECT_EQ(At(21, 12), (Rgb3{0, 0, 255}));
  EXPECT_EQ(At(23, 12), (Rgb3{255, 0, 255}));  // red added to blue
  // Scaled and smoothed: the keyed half stays untouched right up to the edge.
  for (int x = 30; x < 38; ++x) EXPECT_EQ(At(x, 15), (Rgb3{0, 0, 255})) << x;
  EXPECT_EQ(At(44, 15), (Rgb3{255, 0, 255}));
}

TEST_F(GlScreen, AdditiveBlendWeightsByOpacityAndTheNextPassRestoresTranslucency) {
  std::vector<TgaPixel> pixels = {kMagenta, kGreen, kGreen, kGreen};
  const int quad = Quad(2, 2, pixels);
  screen().FillScreen(Rgb(100, 100, 100));
  screen().BeginSprite3DPass();
  screen().SetSprite3DBlend(2, 5);
  screen().DrawSprite3D(quad, 0, 0, 128);
  screen().EndSprite3DPass();
  EXPECT_EQ(At(0, 0), (Rgb3{100, 100, 100}));
  const Rgb3 added = At(1, 0);  // green + background x 128/255
  EXPECT_NEAR(added.r, 50, 2);
  EXPECT_NEAR(added.g, 250, 2);
  EXPECT_NEAR(added.b, 50, 2);

  screen().BeginSprite3DPass();
  screen().DrawSprite3D(quad, 10, 0, 128);
  const Rgb3 mixed = At(11, 0);
  EXPECT_NEAR(mixed.r, 50, 2);
  EXPECT_NEAR(mixed.g, 150, 2);
}

TEST_F(GlScreen, OpacityZeroShowsNothingAndFullOpacityIsExact) {
  const int quad = Quad(4, 4, HalfKeyed());
  screen().FillScreen(Rgb(10, 20, 30));
  screen().BeginSprite3DPass();
  screen().DrawSprite3D(quad, 0, 0, 0);
  screen().DrawSprite3D(quad, 8, 0, 255);
  EXPECT_EQ(At(3, 1), (Rgb3{10, 20, 30}));
  EXPECT_EQ(At(11, 1), (Rgb3{255, 0, 0}));
  EXPECT_EQ(At(9, 1), (Rgb3{10, 20, 30}));
}

TEST_F(GlScreen, OwnAlphaSpritesMultiplyTheirAlphaAndIgnoreTheKey) {
  const int quad = Quad(2, 1, {{255, 0, 255, 255}, {255, 255, 255, 128}}, 12);
  screen().FillScreen(Rgb(0, 0, 0));
  screen().BeginSprite3DPass();
  screen().DrawSprite3D(quad, 0, 0, 255);
  screen().DrawSprite3D(quad, 4, 0, 128);
  EXPECT_EQ(At(0, 0), (Rgb3{255, 0, 255}));
  EXPECT_NEAR(At(1, 0).r, 128, 2);
  EXPECT_NEAR(At(5, 0).r, 64, 2);
}

TEST_F(GlScreen, NearestKeepsTexelsSharpAndBilinearBlendsThem) {
  const int quad = Quad(2, 1, {kBlack, kWhite});
  screen().ScaleSprite3D(quad, 20, 4);
  screen().FillScreen(Rgb(0, 0, 255));
  screen().BeginSprite3DPass();
  screen().SetSprite3DFilter(0);
  screen().DrawSprite3D(quad, 0, 0);
  screen().SetSprite3DFilter(1);
  screen().DrawSprite3D(quad, 0, 10);
  EXPECT_EQ(At(9, 1), (Rgb3{0, 0, 0}));
  EXPECT_EQ(At(10, 1), (Rgb3{255, 255, 255}));
  const Rgb3 between = At(9, 11);
  EXPECT_GT(between.r, 60);
  EXPECT_LT(between.r, 195);
  EXPECT_EQ(At(0, 11), (Rgb3{0, 0, 0}));
  EXPECT_EQ(At(19, 11), (Rgb3{255, 255, 255}));
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
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      const std::size_t i = (y * 12 + x) * 4;
      const bool keyed = x >= 8 && x < 10 && y >= 2 && y < 4;
      for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(after.rgba[i + c], keyed ? 0 : before.rgba[i + c]) << x << "," << y;
      }
    }
  }
}

TEST_F(GlScreen, ProgressBarIsARedBarOnABlackBandThatSurvivesThePresent) {
  screen().FillScreen(Rgb(255, 255, 255));
  screen().BeginCanvas();
  screen().FillRectangle(0, 20, 64, 9, Rgb(0, 0, 0));
  screen().FillRectangle(0, 20, 25, 8, Rgb(255, 0, 0));
  screen().FillRectangle(40, 2, 1, 1, Rgb(0, 255, 0));
  screen().PresentFrame();
  EXPECT_EQ(At(0, 20), (Rgb3{255, 0, 0}));
  EXPECT_EQ(At(24, 27), (Rgb3{255, 0, 0}));
  EXPECT_EQ(At(25, 20), (Rgb3{0, 0, 0}));
  EXPECT_EQ(At(10, 28), (Rgb3{0, 0, 0}));
  EXPECT_EQ(At(10, 29), (Rgb3{255, 255, 255}));
  EXPECT_EQ(At(10, 19), (Rgb3{255, 255, 255}));
  EXPECT_EQ(At(40, 2), (Rgb3{0, 255, 0}));
  EXPECT_EQ(At(41, 2), (Rgb3{255, 255, 255}));
  EXPECT_EQ(At(40, 3), (Rgb3{255, 255, 255}));
}

TEST_F(GlScreen, ModeZeroSpritesMakeNoQuadAndFreedHandlesAreHarmless) {
  EXPECT_EQ(screen().MakeSprite3D(-1, Sprite(4, 4, HalfKeyed(), 0)), 0);
  const int sprite = Sprite(4, 4, HalfKeyed());
  const int quad = screen().MakeSprite3D(-1, sprite);
  screen().ReleaseSprite3D(quad);
  screen().ReleaseSprite(sprite);
  screen().FillScreen(Rgb(1, 2, 3));
  screen().BeginSprite3DPass();
  screen().TurnSprite3D(quad, 30, 1);
  screen().ScaleSprite3D(quad, 10, 10);
  screen().DrawSprite3D(quad, 0, 0);
  screen().EndSprite3DPass();
  EXPECT_EQ(screen().MakeSprite3D(-1, sprite), 0);
  EXPECT_EQ(screen().SpritePixelWidth(sprite), 0);
  EXPECT_EQ(At(2, 2), (Rgb3{1, 2, 3}));
}

TEST(GlBlendFactors, EveryDirect3DNumberHasAFactor) {
  for (int n = 1; n <= 13; ++n) {
    EXPECT_NE(GlBlendFactor(n, true), kNoBlendFactor) << n;
    EXPECT_NE(GlBlendFactor(n, false), kNoBlendFactor) << n;
  }
  EXPECT_EQ(GlBlendFactor(0, true), kNoBlendFactor);
  EXPECT_EQ(GlBlendFactor(14, false), kNoBlendFactor);
  // The "both" numbers set the destination from the source.
  EXPECT_EQ(GlBlendFactor(12, false), GlBlendFactor(6, false));
  EXPECT_EQ(GlBlendFactor(13, false), GlBlendFactor(5, false));
}

}  // namespace
}  // namespace vorantis
