#include <gtest/gtest.h>

#include "engine/tga_decoder.h"
#include "engine/tga_test_image.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::AsText;
using testing::MakeTga;
using testing::TgaPixel;

struct ScreenFixture : ::testing::Test {
  ScreenFixture() {
    game.OpenScreen();
    screen().RegisterImageDecoder(DecodeTga);
    folder.Write("pic.tga", AsText(MakeTga(4, 2, std::vector<TgaPixel>(8, {255, 0, 255, 255}), 24, false)));
    folder.Write("garbage.tga", "not a picture at all, just text");
  }
  Screen& screen() { return game.engine->screen(); }
  std::string Path(const std::string& name) { return folder.GamePath() + name; }

  testing::TestGame game;
  testing::ScratchFolder folder;
};

TEST_F(ScreenFixture, LoadGivesSizedSpriteWithTheDefaultKeyOfItsTime) {
  screen().SetDefaultColourKey(-1, Rgb(255, 0, 255));
  const int first = screen().LoadImageSprite(-1, Path("pic.tga"), 5);
  screen().SetDefaultColourKey(-1, Rgb(0, 255, 0));
  const int second = screen().LoadImageSprite(-1, Path("pic.tga"), 4);
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(screen().SpritePixelWidth(first), 4);
  EXPECT_EQ(screen().SpritePixelHeight(first), 2);
  EXPECT_EQ(screen().SpriteColourKey(first), Rgb(255, 0, 255));
  EXPECT_EQ(screen().SpriteColourKey(second), Rgb(0, 255, 0));
  screen().SetDefaultColourKey(first, Rgb(1, 2, 3));
  EXPECT_EQ(screen().SpriteColourKey(first), Rgb(1, 2, 3));
  EXPECT_EQ(screen().SpriteColourKey(second), Rgb(0, 255, 0));
}

TEST_F(ScreenFixture, FailedLoadsAnswerZero) {
  EXPECT_EQ(screen().LoadImageSprite(-1, Path("missing.tga"), 4), 0);
  EXPECT_EQ(screen().LoadImageSprite(-1, Path("garbage.tga"), 4), 0);
  Screen unopened(game.display, game.clock);
  unopened.RegisterImageDecoder(DecodeTga);
  EXPECT_EQ(unopened.LoadImageSprite(-1, Path("pic.tga"), 4), 0);
}

TEST_F(ScreenFixture, RepeatedLoadsShareOneTextureUntilTheLastGoes) {
  std::vector<int> sprites;
  for (int i = 0; i < 51; ++i) sprites.push_back(screen().LoadImageSprite(-1, Path("pic.tga"), 4));
  EXPECT_EQ(game.recorder()->liveTextures(), 1);
  // The decoded picture outlives the file.
  std::filesystem::remove(folder.path() / "pic.tga");
  const int again = screen().LoadImageSprite(-1, Path("pic.tga"), 4);
  EXPECT_NE(again, 0);
  for (int s : sprites) screen().ReleaseSprite(s);
  EXPECT_EQ(game.recorder()->liveTextures(), 1);
  screen().ReleaseSprite(again);
  EXPECT_EQ(game.recorder()->liveTextures(), 0);
}

TEST_F(ScreenFixture, HandleNumbersReuseAndReplace) {
  const int a = screen().LoadImageSprite(-1, Path("pic.tga"), 4);
  const int b = screen().LoadImageSprite(-1, Path("pic.tga"), 4);
  screen().ReleaseSprite(a);
  EXPECT_EQ(screen().SpriteExists(a), 0);
  EXPECT_EQ(screen().LoadImageSprite(-1, Path("pic.tga"), 4), a);  // lowest free handle
  EXPECT_EQ(screen().LoadImageSprite(40, Path("pic.tga"), 1), 40);
  EXPECT_EQ(screen().SpriteMode(40), 1);
  EXPECT_EQ(screen().LoadImageSprite(b, Path("pic.tga"), 13), b);
  EXPECT_EQ(screen().SpriteMode(b), 13);
  EXPECT_EQ(screen().LoadImageSprite(1 << 30, Path("pic.tga"), 4), 0);
}

TEST_F(ScreenFixture, InvalidHandlesAreHarmless) {
  for (int h : {0, -1, 7, 1 << 30}) {
    EXPECT_EQ(screen().SpriteExists(h), 0);
    EXPECT_EQ(screen().SpritePixelWidth(h), 0);
    EXPECT_EQ(screen().SpriteColourKey(h), 0u);
    EXPECT_EQ(screen().MakeSprite3D(-1, h), 0);
    EXPECT_EQ(screen().Sprite3DExists(h), 0);
    EXPECT_EQ(screen().Sprite3DWidth(h), 0);
    screen().ReleaseSprite(h);
    screen().ReleaseSprite3D(h);
    screen().ScaleSprite3D(h, 3, 3);
    screen().TurnSprite3D(h, 3, 1);
    screen().WarpSprite3D(h, 0, 0, 1, 0, 1, 1, 0, 1);
    screen().DrawSprite3D(h, 0, 0, 255);
    screen().SetDefaultColourKey(h, 5);
  }
  EXPECT_EQ(game.recorder()->entries().size(), 0u);
}

TEST_F(ScreenFixture, QuadNeedsTheTextureBitAndOutlivesItsSprite) {
  const int plain = screen().LoadImageSprite(-1, Path("pic.tga"), 1);
  EXPECT_EQ(screen().MakeSprite3D(-1, plain), 0);
  const int sprite = screen().LoadImageSprite(-1, Path("pic.tga"), 4);
  const int quad = screen().MakeSprite3D(-1, sprite);
  ASSERT_NE(quad, 0);
  screen().ReleaseSprite(sprite);
  EXPECT_EQ(screen().Sprite3DExists(quad), 1);
  screen().DrawSprite3D(quad, 10, 20);
  ASSERT_EQ(game.recorder()->entries().size(), 1u);
  EXPECT_NE(game.recorder()->entries()[0].quad.texture, 0u);
  screen().ReleaseSprite3D(quad);
  EXPECT_EQ(game.recorder()->liveTextures(), 0);
}

TEST_F(ScreenFixture, DrawCarriesPositionOpacityAndPassState) {
  screen().SetDefaultColourKey(-1, Rgb(255, 0, 255));
  const int keyed = screen().MakeSprite3D(-1, screen().LoadImageSprite(-1, Path("pic.tga"), 4));
  const int alpha = screen().MakeSprite3D(-1, screen().LoadImageSprite(-1, Path("pic.tga"), 12));
  ASSERT_EQ(screen().BeginSprite3DPass(), 1);
  screen().SetSprite3DFilter(1);
  screen().DrawSprite3D(keyed, 5, 6, 300);
  screen().SetSprite3DBlend(2, 5);
  screen().SetSprite3DBlend(0, 99);  // refused
  screen().DrawSprite3D(alpha, 0, 0, -4);
  screen().EndSprite3DPass();
  screen().BeginSprite3DPass();
  screen().SetSprite3DFilter(0);
  screen().DrawSprite3D(keyed, 0, 0);

  const auto& log = game.recorder()->entries();
  ASSERT_EQ(log.size(), 3u);
  const QuadDraw& first = log[0].quad;
  EXPECT_EQ(first.corners[0].x, 5);
  EXPECT_EQ(first.corners[0].y, 6);
  EXPECT_EQ(first.corners[3].x, 9);
  EXPECT_EQ(first.corners[3].y, 8);
  EXPECT_EQ(first.corners[3].u, 1);
  EXPECT_EQ(first.opacity, 255);
  EXPECT_TRUE(first.smooth);
  EXPECT_TRUE(first.keyed);
  EXPECT_FALSE(first.ownAlpha);
  EXPECT_EQ(first.colourKey, Rgb(255, 0, 255));
  EXPECT_EQ(first.blendSource, 5);
  EXPECT_EQ(first.blendDest, 6);
  const QuadDraw& second = log[1].quad;
  EXPECT_EQ(second.opacity, 0);
  EXPECT_TRUE(second.ownAlpha);
  EXPECT_FALSE(second.keyed);
  EXPECT_EQ(second.blendSource, 2);
  EXPECT_EQ(second.blendDest, 5);
  const QuadDraw& third = log[2].quad;
  EXPECT_EQ(third.blendSource, 5);
  EXPECT_EQ(third.blendDest, 6);
  EXPECT_FALSE(third.smooth);
}

TEST_F(ScreenFixture, CanvasFillsGrabsAndPresents) {
  screen().BeginCanvas();
  EXPECT_TRUE(screen().CanvasOpen());
  screen().FillRectangle(0, 100, 300, 9, Rgb(0, 0, 0));
  screen().FillRectangle(0, 100, 0, 8, Rgb(255, 0, 0));  // empty: nothing drawn
  screen().FillRectangle(3, 4, 1, 1, Rgb(255, 0, 0));
  const int grabbed = screen().GrabScreenSprite(-1, 1, 2, 30, 40, 4);
  EXPECT_EQ(screen().SpritePixelWidth(grabbed), 30);
  EXPECT_EQ(screen().GrabScreenSprite(-1, 0, 0, 0, 5, 4), 0);
  screen().PresentFrame();
  EXPECT_FALSE(screen().CanvasOpen());
  EXPECT_EQ(screen().presentedFrames(), 1);

  using Kind = RecordingRenderer::Kind;
  const auto& log = game.recorder()->entries();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].kind, Kind::kFill);
  EXPECT_EQ(log[0].height, 9);
  EXPECT_EQ(log[1].kind, Kind::kFill);
  EXPECT_EQ(log[1].rgb, Rgb(255, 0, 0));
  EXPECT_EQ(log[2].kind, Kind::kGrab);
  EXPECT_EQ(log[2].x, 1);
  EXPECT_EQ(log[2].height, 40);
  EXPECT_EQ(log[3].kind, Kind::kPresent);
}

TEST_F(ScreenFixture, ShutdownReleasesEverything) {
  const int sprite = screen().LoadImageSprite(-1, Path("pic.tga"), 4);
  const int quad = screen().MakeSprite3D(-1, sprite);
  screen().Shutdown();
  EXPECT_EQ(screen().Sprite3DExists(quad), 0);
  EXPECT_EQ(screen().SpriteExists(sprite), 0);
  EXPECT_EQ(screen().renderer(), nullptr);
  EXPECT_EQ(screen().BeginSprite3DPass(), 0);
}

TEST(ScreenDesktop, QueriesAnswerZeroOutsideTheDesktops) {
  testing::TestGame game(1024, 768);
  Screen& screen = game.engine->screen();
  EXPECT_EQ(screen.ScanDesktops(), 1);
  EXPECT_EQ(screen.DesktopPixelWidth(0), 1024);
  EXPECT_EQ(screen.DesktopPixelHeight(0), 768);
  EXPECT_EQ(screen.DesktopPixelWidth(1), 0);
  EXPECT_EQ(screen.DesktopRefreshRate(-1), 0);
  EXPECT_EQ(screen.OpenScreenInWindow(1, 0, 0, 1024, 768, 1, 0, 0), 0);  // no window yet
  game.display->failWindow = true;
  EXPECT_EQ(screen.CreateGameWindow(-1, 0, 0, 1024, 768, 0, "t"), 0);
}

}  // namespace
}  // namespace vorantis
