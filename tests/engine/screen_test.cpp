#include <gtest/gtest.h>

#include <tuple>

#include "engine/sprite_geometry.h"
#include "engine/tga_decoder.h"
#include "support/scratch_folder.h"
#include "support/test_engine.h"
#include "support/test_files.h"

namespace vorantis {
namespace {

using testing::AsText;
using testing::MakeTga;
using testing::TgaPixel;
using Points = std::array<std::pair<float, float>, 4>;

Points XY(const std::array<QuadCorner, 4>& c) {
  return {{{c[0].x, c[0].y}, {c[1].x, c[1].y}, {c[2].x, c[2].y}, {c[3].x, c[3].y}}};
}

// opacity, smooth, keyed, own alpha, blend source, blend destination
auto State(const QuadDraw& q) {
  return std::tuple(q.opacity, q.smooth, q.keyed, q.ownAlpha, q.blendSource, q.blendDest);
}

struct ScreenTest : ::testing::Test {
  ScreenTest() {
    game.OpenScreen(800, 600);
    screen().RegisterImageDecoder(DecodeTga);
    folder.Write("pic.tga", AsText(MakeTga(4, 2, std::vector<TgaPixel>(8), 24, false)));
    folder.Write("sq.tga", AsText(MakeTga(32, 32, std::vector<TgaPixel>(32 * 32), 24, false)));
    folder.Write("garbage.tga", "not a picture at all, just text");
  }
  Screen& screen() { return game.engine->screen(); }
  int Load(const std::string& name, int mode = 4, int handle = -1) {
    return screen().LoadImageSprite(handle, folder.GamePath() + name, mode);
  }
  const std::vector<RecordingRenderer::Entry>& log() { return game.recorder()->entries(); }

  testing::TestEngine game;
  testing::ScratchFolder folder;
};

TEST_F(ScreenTest, LoadsTakeTheDefaultKeyOfTheirTimeAndHandlesAreReusedOrReplacedOnSuccess) {
  screen().SetDefaultColourKey(-1, Rgb(255, 0, 255));
  const int a = Load("pic.tga", 5);
  screen().SetDefaultColourKey(-1, Rgb(0, 255, 0));
  const int b = Load("pic.tga");
  EXPECT_EQ(std::tuple(screen().SpritePixelWidth(a), screen().SpritePixelHeight(a)), std::tuple(4, 2));
  EXPECT_EQ(screen().SpriteColourKey(a), Rgb(255, 0, 255));
  EXPECT_EQ(screen().SpriteColourKey(b), Rgb(0, 255, 0));

  screen().ReleaseSprite(a);
  EXPECT_EQ(Load("pic.tga"), a);  // lowest free handle
  EXPECT_EQ(Load("pic.tga", 1, 40), 40);
  EXPECT_EQ(screen().SpriteMode(40), 1);
  EXPECT_EQ(Load("sq.tga", 13, b), b);
  EXPECT_EQ(screen().SpriteMode(b), 13);
  EXPECT_EQ(Load("garbage.tga", 4, b), 0);
  EXPECT_EQ(screen().SpritePixelWidth(b), 32) << "a failed load leaves the handle's picture alone";
  EXPECT_EQ(Load("missing.tga") + Load("pic.tga", 4, 1 << 30), 0);
  Screen unopened(game.display, game.clock);
  unopened.RegisterImageDecoder(DecodeTga);
  EXPECT_EQ(unopened.LoadImageSprite(-1, folder.GamePath() + "pic.tga", 4), 0);
}

TEST_F(ScreenTest, RepeatedLoadsShareOneTextureUntilTheLastGoes) {
  std::vector<int> sprites;
  for (int i = 0; i < 51; ++i) sprites.push_back(Load("pic.tga"));
  EXPECT_EQ(game.recorder()->liveTextures(), 1);
  std::filesystem::remove(folder.path() / "pic.tga");
  const int again = Load("pic.tga");  // the decoded picture outlives the file
  EXPECT_NE(again, 0);
  for (int s : sprites) screen().ReleaseSprite(s);
  EXPECT_EQ(game.recorder()->liveTextures(), 1);
  screen().ReleaseSprite(again);
  EXPECT_EQ(game.recorder()->liveTextures(), 0);
}

TEST_F(ScreenTest, InvalidHandlesAreHarmless) {
  for (int h : {0, -1, 7, 1 << 30}) {
    EXPECT_EQ(screen().SpriteExists(h) + screen().SpritePixelWidth(h) + screen().MakeSprite3D(-1, h) +
                  screen().Sprite3DExists(h) + screen().Sprite3DWidth(h),
              0);
    EXPECT_EQ(screen().SpriteColourKey(h), 0u);
    screen().ReleaseSprite(h);
    screen().ReleaseSprite3D(h);
    screen().ScaleSprite3D(h, 3, 3);
    screen().TurnSprite3D(h, 3, 1);
    screen().WarpSprite3D(h, 0, 0, 1, 0, 1, 1, 0, 1);
    screen().DrawSprite3D(h, 0, 0, 255);
    screen().SetDefaultColourKey(h, 5);
  }
  EXPECT_TRUE(log().empty());
}

TEST_F(ScreenTest, QuadNeedsTheTextureBitOutlivesItsSpriteAndShutdownFreesAll) {
  EXPECT_EQ(screen().MakeSprite3D(-1, Load("pic.tga", 1)), 0);
  const int sprite = Load("pic.tga");
  const int quad = screen().MakeSprite3D(-1, sprite);
  screen().ReleaseSprite(sprite);
  EXPECT_EQ(screen().Sprite3DExists(quad), 1);
  screen().ReleaseSprite3D(quad);
  EXPECT_EQ(game.recorder()->liveTextures(), 0);
  const int kept = screen().MakeSprite3D(-1, Load("pic.tga"));
  screen().Shutdown();
  EXPECT_EQ(screen().Sprite3DExists(kept) + screen().BeginSprite3DPass(), 0);
}

TEST_F(ScreenTest, DrawsCarryPositionClampedOpacityAndPassStateAlsoOutsideAPass) {
  screen().SetDefaultColourKey(-1, Rgb(255, 0, 255));
  const int keyed = screen().MakeSprite3D(-1, Load("pic.tga"));
  const int alpha = screen().MakeSprite3D(-1, Load("pic.tga", 12));
  screen().SetSprite3DFilter(1);
  screen().DrawSprite3D(keyed, 5, 6, 300);
  screen().SetSprite3DBlend(2, 5);
  screen().SetSprite3DBlend(0, 99);  // refused
  screen().DrawSprite3D(alpha, 0, 0, -4);
  ASSERT_EQ(screen().BeginSprite3DPass(), 1);  // back to 5, 6
  screen().SetSprite3DFilter(0);
  screen().DrawSprite3D(keyed, 0, 0);
  // Numbers up to 13 are taken as source and as destination; a pair with any other is refused.
  for (const auto& [source, dest] : {std::pair(13, 1), {2, 13}, {12, 13}, {14, 13}, {12, 0}}) {
    screen().SetSprite3DBlend(source, dest);
    screen().DrawSprite3D(keyed, 0, 0);
  }

  ASSERT_EQ(log().size(), 8u);
  const QuadDraw& first = log()[0].quad;
  EXPECT_NE(first.texture, 0u);
  EXPECT_EQ(XY(first.corners), (Points{{{5, 6}, {9, 6}, {5, 8}, {9, 8}}}));
  EXPECT_EQ(first.corners[3].u, 1);
  EXPECT_EQ(first.colourKey, Rgb(255, 0, 255));
  EXPECT_EQ(State(first), std::tuple(255, true, true, false, 5, 6));
  EXPECT_EQ(State(log()[1].quad), std::tuple(0, true, false, true, 2, 5));
  EXPECT_EQ(State(log()[2].quad), std::tuple(255, false, true, false, 5, 6));
  const std::pair<int, int> blends[] = {{13, 1}, {2, 13}, {12, 13}, {12, 13}, {12, 13}};
  for (std::size_t i = 0; i < 5; ++i)
    EXPECT_EQ(std::pair(log()[i + 3].quad.blendSource, log()[i + 3].quad.blendDest), blends[i]) << i;
}

// A fill that a later fill covers whole, with nothing else drawn between, leaves no trace on
// the back buffer and never reaches the renderer; the rest keep their order.
TEST_F(ScreenTest, FillsGrabsAndPresentsAreRecordedExceptFillsALaterFillCovers) {
  const int quad = screen().MakeSprite3D(-1, Load("pic.tga"));
  screen().BeginCanvas();
  screen().FillRectangle(0, 100, 0, 8, Rgb(9, 0, 0));  // empty: nothing drawn
  screen().FillRectangle(0, 0, 10, 10, Rgb(1, 0, 0));
  screen().FillRectangle(2, 2, 3, 3, Rgb(2, 0, 0));
  screen().FillRectangle(0, 0, 10, 10, Rgb(3, 0, 0));
  screen().FillRectangle(5, 0, 10, 10, Rgb(4, 0, 0));  // sticks out right of the last one
  screen().FillRectangle(0, 5, 10, 10, Rgb(5, 0, 0));  // and this out of its bottom
  screen().FillRectangle(0, 0, 10, 10, Rgb(6, 0, 0));
  screen().DrawSprite3D(quad, 0, 0);
  screen().FillRectangle(0, 0, 20, 20, Rgb(7, 0, 0));  // the quad lies between: all stay
  EXPECT_EQ(screen().SpritePixelWidth(screen().GrabScreenSprite(-1, 1, 2, 30, 40, 4)), 30);
  EXPECT_EQ(screen().GrabScreenSprite(-1, 0, 0, 0, 5, 4), 0);
  screen().FillRectangle(3, 4, 1, 1, Rgb(8, 0, 0));
  screen().FillScreen(Rgb(10, 0, 0));
  screen().PresentFrame();
  EXPECT_FALSE(screen().CanvasOpen());
  using Kind = RecordingRenderer::Kind;
  using Entry = std::tuple<Kind, std::uint32_t, int, int, int, int>;
  std::vector<Entry> got;
  for (const auto& e : log()) got.emplace_back(e.kind, e.rgb, e.x, e.y, e.width, e.height);
  EXPECT_EQ(got, (std::vector<Entry>{{Kind::kFill, Rgb(4, 0, 0), 5, 0, 10, 10},
                                     {Kind::kFill, Rgb(5, 0, 0), 0, 5, 10, 10},
                                     {Kind::kFill, Rgb(6, 0, 0), 0, 0, 10, 10},
                                     {Kind::kQuad, 0, 0, 0, 0, 0},
                                     {Kind::kFill, Rgb(7, 0, 0), 0, 0, 20, 20},
                                     {Kind::kGrab, 0, 1, 2, 30, 40},
                                     {Kind::kFill, Rgb(8, 0, 0), 3, 4, 1, 1},
                                     {Kind::kClear, Rgb(10, 0, 0), 0, 0, 0, 0},
                                     {Kind::kPresent, 0, 0, 0, 0, 0}}));
}

// Turning, scaling and warping quads, on a 32 x 32 sprite.
struct TurnTest : ScreenTest {
  int quad = screen().MakeSprite3D(-1, Load("sq.tga"));
  Points Turn(int angle, int mode) {
    screen().TurnSprite3D(quad, angle, mode);
    return XY(screen().Sprite3DCorners(quad));
  }
};

TEST_F(TurnTest, TruncatedCornersOfTheTurnArithmetic) {
  EXPECT_EQ(XY(screen().Sprite3DCorners(quad)), (Points{{{0, 0}, {32, 0}, {0, 32}, {32, 32}}}));
  // The factor and step are not quite pi/180 and pi/2: at angle 0 the truncated bottom edge is
  // one pixel short, and a quarter turn clockwise takes the top-left corner to the top-right.
  EXPECT_EQ(Turn(0, 1), (Points{{{0, 0}, {32, 0}, {0, 32}, {32, 31}}}));
  EXPECT_EQ(Turn(90, 0), (Points{{{32, 0}, {32, 31}, {0, 0}, {0, 32}}}));
  // Only square quads turn cleanly: truncated halves (2, 1) skew a 5 x 3 quad.
  EXPECT_EQ(XY(TurnedCorners(5, 3, 0)), (Points{{{1, -1}, {4, 0}, {0, 2}, {3, 2}}}));
  EXPECT_EQ(XY(TurnedCorners(5, 3, 180)), (Points{{{3, 2}, {0, 2}, {3, 0}, {0, 0}}}));
}

TEST_F(TurnTest, RelativeTurnsAccumulateAndWrapSoOneDegreePerFrameNeverJumps) {
  const Points ten = Turn(370, 1);
  EXPECT_EQ(ten, (Points{{{3, -2}, {34, 3}, {-2, 28}, {28, 34}}}));
  EXPECT_EQ(Turn(10, 0), ten);
  EXPECT_EQ(screen().Sprite3DAngle(quad), 0);
  Turn(-30, 1);
  EXPECT_EQ(screen().Sprite3DAngle(quad), -30);
  Turn(0, 0);
  for (int frame = 1; frame <= 40000; ++frame) {
    screen().TurnSprite3D(quad, 1, 1);
    ASSERT_EQ(screen().Sprite3DAngle(quad), frame % 360) << frame;
  }
  EXPECT_EQ(XY(screen().Sprite3DCorners(quad)), XY(TurnedCorners(32, 32, 40000 % 360)));
}

TEST_F(TurnTest, ScaleAfterTurnIsUprightAndKeepsTheAngle) {
  Turn(45, 1);
  screen().ScaleSprite3D(quad, 64.7f, 10);
  EXPECT_EQ(XY(screen().Sprite3DCorners(quad)), (Points{{{0, 0}, {64.7f, 0}, {0, 10}, {64.7f, 10}}}));
  EXPECT_EQ(screen().Sprite3DWidth(quad), 64);
  EXPECT_EQ(screen().Sprite3DAngle(quad), 45);
  EXPECT_EQ(Turn(0, 1), XY(TurnedCorners(64, 10, 45))) << "the next turn uses the new size and kept angle";
}

}  // namespace
}  // namespace vorantis
