#include "engine/tga_decoder.h"

#include <gtest/gtest.h>

#include "engine/tga_test_image.h"

namespace vorantis {
namespace {

using testing::MakeTga;
using testing::TgaPixel;

// 3 x 2: a red, green, blue top row over a white, black, white bottom row.
const std::vector<TgaPixel> kPixels = {{255, 0, 0, 255},     {0, 255, 0, 128}, {0, 0, 255, 0},
                                       {255, 255, 255, 255}, {0, 0, 0, 255},   {255, 255, 255, 255}};

void ExpectPixel(const Image& image, int x, int y, TgaPixel want) {
  const std::uint8_t* p = &image.rgba[(y * image.width + x) * 4];
  EXPECT_EQ(p[0], want.r) << x << "," << y;
  EXPECT_EQ(p[1], want.g) << x << "," << y;
  EXPECT_EQ(p[2], want.b) << x << "," << y;
  EXPECT_EQ(p[3], want.a) << x << "," << y;
}

TEST(TgaDecoder, ReadsEveryLayoutTopRowFirst) {
  for (int bits : {24, 32}) {
    for (bool runLength : {false, true}) {
      for (bool topDown : {false, true}) {
        SCOPED_TRACE(::testing::Message() << bits << " bits, rle " << runLength << ", top-down " << topDown);
        Image image;
        ASSERT_TRUE(DecodeTga(MakeTga(3, 2, kPixels, bits, runLength, topDown), image));
        ASSERT_EQ(image.width, 3);
        ASSERT_EQ(image.height, 2);
        EXPECT_EQ(image.hasAlpha, bits == 32);
        for (int i = 0; i < 6; ++i) {
          TgaPixel want = kPixels[i];
          if (bits == 24) want.a = 255;
          ExpectPixel(image, i % 3, i / 3, want);
        }
      }
    }
  }
}

TEST(TgaDecoder, RepeatPacketsFillLongRuns) {
  std::vector<TgaPixel> pixels(200, TgaPixel{10, 20, 30, 255});
  pixels[150] = {1, 2, 3, 255};
  Image image;
  ASSERT_TRUE(DecodeTga(MakeTga(20, 10, pixels, 24, true, true), image));
  ExpectPixel(image, 0, 0, {10, 20, 30, 255});
  ExpectPixel(image, 10, 7, {1, 2, 3, 255});
  ExpectPixel(image, 19, 9, {10, 20, 30, 255});
}

TEST(TgaDecoder, RefusesTruncatedAndForeignData) {
  Image image;
  for (bool runLength : {false, true}) {
    const auto whole = MakeTga(3, 2, kPixels, 32, runLength);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
      std::vector<std::uint8_t> part(whole.begin(), whole.begin() + static_cast<long>(cut));
      EXPECT_FALSE(DecodeTga(part, image)) << "cut at " << cut;
    }
  }
  auto paletted = MakeTga(3, 2, kPixels, 24, false);
  paletted[2] = 1;
  EXPECT_FALSE(DecodeTga(paletted, image));
  auto sixteenBit = MakeTga(3, 2, kPixels, 24, false);
  sixteenBit[16] = 16;
  EXPECT_FALSE(DecodeTga(sixteenBit, image));
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                         'I',  'H', 'D', 'R', 0,    0,    0,    1,    0, 0, 0, 1};
  EXPECT_FALSE(DecodeTga(png, image));
}

TEST(TgaDecoder, RunPacketMayNotOverrunThePicture) {
  // A repeat packet of 128 pixels in a 2 x 1 picture.
  const std::vector<std::uint8_t> bytes = {0, 0, 10, 0, 0, 0,  0, 0,    0, 0, 0,
                                           0, 2, 0,  1, 0, 24, 0, 0xFF, 1, 2, 3};
  Image image;
  EXPECT_FALSE(DecodeTga(bytes, image));
}

}  // namespace
}  // namespace vorantis
