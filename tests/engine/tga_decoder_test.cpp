#include "engine/tga_decoder.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace vorantis {
namespace {

using testing::MakeTga;
using testing::TgaPixel;

// 3 x 2: red, green, blue (varied alpha) over three white, a repeat packet when run-length.
const std::vector<TgaPixel> kPixels = {{255, 0, 0, 255},     {0, 255, 0, 128},     {0, 0, 255, 0},
                                       {255, 255, 255, 255}, {255, 255, 255, 255}, {255, 255, 255, 255}};

TgaPixel PixelAt(const Image& image, int x, int y) {
  const std::uint8_t* p = &image.rgba[(y * image.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

TEST(TgaDecoder, ReadsEveryLayoutTopRowFirst) {
  for (int bits : {24, 32}) {
    for (bool runLength : {false, true}) {
      for (bool topDown : {false, true}) {
        SCOPED_TRACE(::testing::Message() << bits << " bits, rle " << runLength << ", top-down " << topDown);
        Image image;
        ASSERT_TRUE(DecodeTga(MakeTga(3, 2, kPixels, bits, runLength, topDown), image));
        ASSERT_EQ(std::pair(image.width, image.height), std::pair(3, 2));
        EXPECT_EQ(image.hasAlpha, bits == 32);
        for (int i = 0; i < 6; ++i) {
          TgaPixel want = kPixels[i];
          if (bits == 24) want.a = 255;
          EXPECT_TRUE(PixelAt(image, i % 3, i / 3) == want) << i;
        }
      }
    }
  }
  // 32 bits without alpha bits in the header: opaque.
  auto noAlphaBits = MakeTga(3, 2, kPixels, 32, false);
  noAlphaBits[17] = 0;
  Image image;
  ASSERT_TRUE(DecodeTga(noAlphaBits, image));
  EXPECT_FALSE(image.hasAlpha);
  EXPECT_EQ(PixelAt(image, 2, 0).a, 255);
}

TEST(TgaDecoder, RefusesTruncatedUnsupportedAndOverrunningData) {
  Image image;
  for (bool runLength : {false, true}) {
    const auto whole = MakeTga(3, 2, kPixels, 32, runLength);
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
      EXPECT_FALSE(DecodeTga({whole.begin(), whole.begin() + static_cast<long>(cut)}, image)) << cut;
  }
  // Paletted, 16 bits a pixel, and a repeat packet of 128 pixels in a 2 x 1 picture.
  for (auto [at, value, runLength] : {std::tuple{2, 1, false}, {16, 16, false}, {18, 0xFF, true}}) {
    auto bytes = MakeTga(2, 1, {kPixels[0], kPixels[0]}, 24, runLength);
    bytes[at] = static_cast<std::uint8_t>(value);
    EXPECT_FALSE(DecodeTga(bytes, image)) << at;
  }
}

}  // namespace
}  // namespace vorantis
