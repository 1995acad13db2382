#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <tuple>

#include "engine/platform/image_decoders.h"
#include "engine/tga_decoder.h"
#include "engine/tga_test_image.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

std::vector<std::uint8_t> Fixture(const std::string& name) {
  std::ifstream in(std::string(VORANTIS_SOURCE_DIR) + "/tests/fixtures/images/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Rgba {
  int r, g, b, a;
};

Rgba PixelAt(const Image& image, int x, int y) {
  const std::uint8_t* p = &image.rgba[(y * image.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

void ExpectPixel(const Image& image, int x, int y, Rgba want, int tolerance = 0) {
  const Rgba got = PixelAt(image, x, y);
  EXPECT_NEAR(got.r, want.r, tolerance) << x << "," << y;
  EXPECT_NEAR(got.g, want.g, tolerance) << x << "," << y;
  EXPECT_NEAR(got.b, want.b, tolerance) << x << "," << y;
  EXPECT_NEAR(got.a, want.a, tolerance) << x << "," << y;
}

// Every fixture except the JPEG is the same 4 x 2 picture: red, green, blue, white
// over black, grey, black, black.
void ExpectTestPicture(const Image& image, bool grey) {
  ASSERT_EQ(image.width, 4);
  ASSERT_EQ(image.height, 2);
  ASSERT_EQ(image.rgba.size(), 32u);
  if (!grey) {
    ExpectPixel(image, 0, 0, {255, 0, 0, 255});
    ExpectPixel(image, 1, 0, {0, 255, 0, 255});
    ExpectPixel(image, 2, 0, {0, 0, 255, 255});
  }
  ExpectPixel(image, 3, 0, {255, 255, 255, image.hasAlpha && PixelAt(image, 3, 0).a != 255 ? 128 : 255}, 1);
  ExpectPixel(image, 1, 1, {128, 128, 128, 255}, 1);
}

TEST(PngDecoder, EveryColourTypeBecomesRgba) {
  for (const char* name : {"rgb.png", "palette.png", "rgb16.png", "grey.png"}) {
    SCOPED_TRACE(name);
    Image image;
    ASSERT_TRUE(DecodePng(Fixture(name), image));
    EXPECT_FALSE(image.hasAlpha);
    ExpectTestPicture(image, std::string(name) == "grey.png");
  }
}

TEST(PngDecoder, AlphaChannelAndTransparencyChunkBothCountAsAlpha) {
  Image rgba;
  ASSERT_TRUE(DecodePng(Fixture("rgba.png"), rgba));
  EXPECT_TRUE(rgba.hasAlpha);
  ExpectPixel(rgba, 3, 0, {255, 255, 255, 128}, 1);
  Image trns;
  ASSERT_TRUE(DecodePng(Fixture("trns.png"), trns));
  EXPECT_TRUE(trns.hasAlpha);
  EXPECT_EQ(PixelAt(trns, 0, 1).a, 0);  // the black made transparent
  EXPECT_EQ(PixelAt(trns, 0, 0).a, 255);
}

TEST(JpegDecoder, DecodesOpaqueRgb) {
  Image image;
  ASSERT_TRUE(DecodeJpeg(Fixture("red.jpg"), image));
  EXPECT_EQ(image.width, 16);
  EXPECT_EQ(image.height, 16);
  EXPECT_FALSE(image.hasAlpha);
  ExpectPixel(image, 8, 8, {255, 0, 0, 255}, 3);
}

TEST(TiffDecoder, DecodesFromMemoryWithAndWithoutAlpha) {
  Image rgb;
  ASSERT_TRUE(DecodeTiff(Fixture("rgb.tif"), rgb));
  EXPECT_FALSE(rgb.hasAlpha);
  ExpectTestPicture(rgb, false);
  Image alpha;
  ASSERT_TRUE(DecodeTiff(Fixture("rgba.tif"), alpha));
  EXPECT_TRUE(alpha.hasAlpha);
  EXPECT_NEAR(PixelAt(alpha, 3, 0).a, 128, 1);
}

using Decoder = bool (*)(const std::vector<std::uint8_t>&, Image&);

TEST(ImageDecoders, TruncatedOrGarbageDataIsRefusedWithoutCrashing) {
  // The TIFF fixture ends in colour-space tags the pixels do not need: only cuts
  // into its directory and pixel data (the first 242 bytes) must be refused.
  const std::vector<std::tuple<Decoder, std::string, std::size_t>> cases = {{DecodePng, "rgb.png", 0},
                                                                            {DecodePng, "palette.png", 0},
                                                                            {DecodeJpeg, "red.jpg", 0},
                                                                            {DecodeTiff, "rgb.tif", 242}};
  for (const auto& [decode, name, needed] : cases) {
    SCOPED_TRACE(name);
    const auto whole = Fixture(name);
    ASSERT_FALSE(whole.empty());
    for (std::size_t cut = 0; cut < (needed ? needed : whole.size()); cut += 3) {
      Image image;
      EXPECT_FALSE(decode({whole.begin(), whole.begin() + static_cast<long>(cut)}, image)) << "cut " << cut;
    }
  }
  // Valid signatures followed by noise, and noise alone.
  std::mt19937 noise(7);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::uint8_t> junk(300);
    for (auto& b : junk) b = static_cast<std::uint8_t>(noise());
    for (Decoder decode : {DecodePng, DecodeJpeg, DecodeTiff, DecodeTga}) {
      Image image;
      EXPECT_FALSE(decode(junk, image));
    }
    std::vector<std::uint8_t> png = Fixture("rgb.png");
    png.resize(24);
    png.insert(png.end(), junk.begin(), junk.end());
    Image image;
    EXPECT_FALSE(DecodePng(png, image));
    std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF};
    jpeg.insert(jpeg.end(), junk.begin(), junk.end());
    EXPECT_FALSE(DecodeJpeg(jpeg, image));
    std::vector<std::uint8_t> tiff = {'I', 'I', 42, 0, 8, 0, 0, 0};
    tiff.insert(tiff.end(), junk.begin(), junk.end());
    EXPECT_FALSE(DecodeTiff(tiff, image));
  }
}

TEST(ImageDecoders, RegisteredDecodersLoadEveryFormatAsSprites) {
  testing::TestGame game;
  game.OpenScreen();
  Screen& screen = game.engine->screen();
  RegisterImageDecoders(screen);
  testing::ScratchFolder folder;
  for (const char* name : {"rgb.png", "red.jpg", "rgb.tif"}) {
    const auto bytes = Fixture(name);
    folder.Write(name, std::string(bytes.begin(), bytes.end()));
  }
  folder.Write("pic.tga",
               testing::AsText(testing::MakeTga(3, 5, std::vector<testing::TgaPixel>(15), 24, true)));
  folder.Write("junk.png", "\x89PNG\r\n\x1a\n but nothing after");
  EXPECT_EQ(screen.SpritePixelWidth(screen.LoadImageSprite(-1, folder.GamePath() + "rgb.png", 4)), 4);
  EXPECT_EQ(screen.SpritePixelWidth(screen.LoadImageSprite(-1, folder.GamePath() + "red.jpg", 4)), 16);
  EXPECT_EQ(screen.SpritePixelHeight(screen.LoadImageSprite(-1, folder.GamePath() + "rgb.tif", 4)), 2);
  EXPECT_EQ(screen.SpritePixelHeight(screen.LoadImageSprite(-1, folder.GamePath() + "pic.tga", 4)), 5);
  EXPECT_EQ(screen.LoadImageSprite(-1, folder.GamePath() + "junk.png", 4), 0);
}

}  // namespace
}  // namespace vorantis
