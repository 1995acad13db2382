#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/platform/image_decoders.h"
#include "engine/tga_decoder.h"

namespace vorantis {
namespace {

using Decoder = bool (*)(const std::vector<std::uint8_t>&, Image&);

std::vector<std::uint8_t> Fixture(const std::string& name) {
  std::ifstream in(std::string(VORANTIS_SOURCE_DIR) + "/tests/fixtures/images/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectPixel(const Image& image, int x, int y, std::array<int, 4> want, int tolerance = 1) {
  for (int c = 0; c < 4; ++c)
    EXPECT_NEAR(image.rgba[(y * image.width + x) * 4 + c], want[c], tolerance) << x << "," << y << " " << c;
}

TEST(ImageDecoders, EveryFormatAndColourTypeBecomesRgbaWithoutGammaConversion) {
  // The PNG and TIFF fixtures are one 4 x 2 picture: red, green, blue, white over black, grey,
  // black, black; "rgba" ones make the white half transparent, "trns" the black fully.
  const std::tuple<Decoder, std::string, int, int> cases[] = {
      {DecodePng, "rgb.png", 255, 255},   {DecodePng, "palette.png", 255, 255},
      {DecodePng, "rgb16.png", 255, 255}, {DecodePng, "grey.png", 255, 255},
      {DecodePng, "rgba.png", 128, 255},  {DecodePng, "trns.png", 255, 0},
      {DecodeTiff, "rgb.tif", 255, 255},  {DecodeTiff, "rgba.tif", 128, 255}};
  for (const auto& [decode, name, whiteAlpha, blackAlpha] : cases) {
    SCOPED_TRACE(name);
    Image image;
    ASSERT_TRUE(decode(Fixture(name), image));
    ASSERT_EQ(std::tuple(image.width, image.height, image.rgba.size()), std::tuple(4, 2, 32u));
    EXPECT_EQ(image.hasAlpha, whiteAlpha != 255 || blackAlpha != 255);
    if (name != "grey.png") {
      ExpectPixel(image, 0, 0, {255, 0, 0, 255}, 0);
      ExpectPixel(image, 2, 0, {0, 0, 255, 255}, 0);
    }
    ExpectPixel(image, 3, 0, {255, 255, 255, whiteAlpha});  // straight alpha, also from TIFF
    ExpectPixel(image, 1, 1, {128, 128, 128, 255});
    ExpectPixel(image, 0, 1, {0, 0, 0, blackAlpha}, 0);
  }
  Image jpeg;
  ASSERT_TRUE(DecodeJpeg(Fixture("red.jpg"), jpeg));
  EXPECT_EQ(std::tuple(jpeg.width, jpeg.height, jpeg.hasAlpha), std::tuple(16, 16, false));
  ExpectPixel(jpeg, 8, 8, {255, 0, 0, 255}, 3);
}

TEST(ImageDecoders, FilesCutShortAreRefusedWithoutCrashing) {
  // The TIFF fixture ends in colour-space tags the pixels do not need: only cuts into its
  // directory and pixel data (the first 242 bytes) must be refused.
  const std::tuple<Decoder, const char*, std::size_t> cases[] = {
      {DecodePng, "rgb.png", 0},
      {DecodePng, "palette.png", 0},
      {DecodeJpeg, "red.jpg", 0},
      {DecodeTiff, "rgb.tif", 242},
  };
  Image image;
  for (const auto& [decode, name, needed] : cases) {
    const auto whole = Fixture(name);
    ASSERT_FALSE(whole.empty());
    for (std::size_t cut = 0; cut < (needed ? needed : whole.size()); cut += 3)
      EXPECT_FALSE(decode({whole.begin(), whole.begin() + static_cast<long>(cut)}, image))
          << name << " " << cut;
  }
}

}  // namespace
}  // namespace vorantis
