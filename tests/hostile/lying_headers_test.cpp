// Files whose headers claim far more than they hold: every decoder refuses them, or takes
// only what the file really holds, before it asks for memory of the claimed size.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/picture_budget.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "engine/platform/testing/ogg_test_encoder.h"
#include "engine/silent_sound_device.h"
#include "engine/sounds.h"
#include "engine/tga_decoder.h"
#include "hostile/allocation_counter.h"
#include "hostile/picture_files.h"
#include "support/test_files.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using namespace testing;  // this suite's, not GoogleTest's

// Far below any picture a lying header claims (a 16384 x 4096 picture is 256 MiB).
constexpr std::size_t kSmallRequest = 4u << 20;

// Offers the bytes to the decoders in the order the engine registers them.
bool DecodeAsTheEngineDoes(const std::vector<std::uint8_t>& bytes, Image& image) {
  for (auto decode : {DecodePng, DecodeJpeg, DecodeTiff, DecodeTga})
    if (decode(bytes, image)) return true;
  return false;
}

TEST(PictureBudget, SidesPixelsAndWhatTheFileCanHold) {
  const std::uint64_t side = kLargestPictureSide;
  const struct {
    std::uint64_t width, height, fileBytes, pixelsPerByte;
    bool fits;
  } cases[] = {
      {side, kLargestPicturePixels / side, 1u << 30, 1, true},
      {side, kLargestPicturePixels / side + 1, 1u << 30, 1, false},
      {1, side + 1, 1u << 30, 1, false},
      {0, 1, 100, 1, false},
      {1, 0, 100, 1, false},
      {100, 100, 10, 1000, true},   // 10,000 pixels need 10 bytes at 1000 per byte
      {101, 100, 10, 1000, false},  // 10,100 need 11
      {1, 1, 1, 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithinPictureBudget(c.width, c.height, c.fileBytes, c.pixelsPerByte), c.fits)
        << c.width << " x " << c.height << " in " << c.fileBytes << " bytes";
  }
}

TEST(LyingPictureHeaders, AreRefusedBeforeAnyPictureSizedRequest) {
  ASSERT_TRUE(AllocationsAreCounted());
  const std::uint32_t side = kLargestPictureSide;
  const std::uint32_t budgetRows = kLargestPicturePixels / side;
  const struct {
    const char* what;
    std::string bytes;
    int acceptedWidth;  // 0: refused
  } cases[] = {
      {"PNG claiming the whole budget", LyingPng(side, budgetRows, std::string(100, 'x')), 0},
      {"PNG a pixel wider than the budget, data and all", BlackPng(side + 1, 1), 0},
      {"PNG as wide as the budget", BlackPng(side, 1), static_cast<int>(side)},
      {"PNG with a text chunk claiming 2 GB",
       PngHeader(1, 1, 8, 6) + BigEndian(0x7FFFFFF0, 4) + "tEXt" + "abc", 0},
      {"TGA run-length claiming the whole budget", TgaHeader(side, budgetRows, 10, 32) + "\xFF" + "abcd", 0},
      {"TGA claiming more pixels than it holds", TgaHeader(1000, 1000, 2, 24) + std::string(2999997, 'x'), 0},
      {"TGA with a colour map it does not hold", TgaHeader(2, 1, 2, 24, 65535) + "abcdef", 0},
      {"TGA a pixel wider than the budget, data and all",
       TgaHeader(side + 1, 1, 2, 24) + std::string((side + 1) * 3, 'x'), 0},
      {"TGA as wide as the budget", TgaHeader(side, 1, 2, 24) + std::string(side * 3, 'x'),
       static_cast<int>(side)},
      {"JPEG claiming the whole budget", LyingJpeg(side, budgetRows, false), 0},
      {"progressive JPEG claiming the whole budget", LyingJpeg(side, budgetRows, true), 0},
      {"progressive JPEG of 10 scans", ProgressiveJpeg(10), 8},
      {"progressive JPEG of 300 scans, each a pass over the picture", ProgressiveJpeg(300), 0},
      {"TIFF claiming the whole budget", LyingTiff(side, budgetRows), 0},
      {"TIFF claiming 2^32 - 1 rows", LyingTiff(1, 0xFFFFFFFF), 0},
      {"uncompressed TIFF claiming more than it holds", LyingTiff(1500, 1500), 0},
      {"TIFF of 1 x 1 in a tile claiming 8192 x 8192", TiledTiff(1, 1, 8192, "abc"), 0},
      {"TIFF of 2 x 2 in a whole 32 x 32 tile", TiledTiff(2, 2, 32, std::string(32 * 32 * 3, 'x')), 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::uint8_t> bytes(c.bytes.begin(), c.bytes.end());
    Image image;
    AllocationWatch watch;
    const bool accepted = DecodeAsTheEngineDoes(bytes, image);
    const auto tally = watch.Tally();
    EXPECT_EQ(accepted ? image.width : 0, c.acceptedWidth);
    EXPECT_LT(tally.largest, kSmallRequest);
    EXPECT_LT(tally.total, 4 * kSmallRequest);
  }
}

std::size_t OggPageLength(const std::vector<std::uint8_t>& ogg, std::size_t at) {
  std::size_t length = 27 + ogg[at + 26];
  for (int segment = 0; segment < ogg[at + 26]; ++segment) length += ogg[at + 27 + segment];
  return length;
}

// Ogg's page checksum: CRC-32, polynomial 0x04C11DB7, not reflected.
void MendOggChecksum(std::vector<std::uint8_t>& ogg, std::size_t at) {
  std::fill_n(ogg.begin() + static_cast<long>(at) + 22, 4, 0);
  std::uint32_t crc = 0;
  for (std::size_t i = at; i < at + OggPageLength(ogg, at); ++i) {
    crc ^= static_cast<std::uint32_t>(ogg[i]) << 24;
    for (int bit = 0; bit < 8; ++bit) crc = (crc << 1) ^ (0x04C11DB7u & (0u - (crc >> 31)));
  }
  for (int i = 0; i < 4; ++i) ogg[at + 22 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

// Sets the granule position (the stream's length so far) of the last page.
std::vector<std::uint8_t> WithLastGranule(std::vector<std::uint8_t> ogg, std::uint64_t granule) {
  std::size_t last = 0;
  for (std::size_t at = 0; at < ogg.size(); at += OggPageLength(ogg, at)) last = at;
  for (int i = 0; i < 8; ++i) ogg[last + 6 + i] = static_cast<std::uint8_t>(granule >> (8 * i));
  MendOggChecksum(ogg, last);
  return ogg;
}

// The stream `links` times over, each copy a chained stream with a serial number of its own.
std::vector<std::uint8_t> Chained(const std::vector<std::uint8_t>& ogg, int links) {
  std::vector<std::uint8_t> out;
  for (int link = 0; link < links; ++link) {
    std::vector<std::uint8_t> copy = ogg;
    for (std::size_t at = 0; at < copy.size(); at += OggPageLength(copy, at)) {
      for (int i = 0; i < 4; ++i) copy[at + 14 + i] = static_cast<std::uint8_t>((link + 1) >> (8 * i));
      MendOggChecksum(copy, at);
    }
    out.insert(out.end(), copy.begin(), copy.end());
  }
  return out;
}

std::vector<std::uint8_t> ToneOgg(int frames) {
  std::vector<std::int16_t> tone(frames);
  for (int i = 0; i < frames; ++i) tone[i] = static_cast<std::int16_t>(8000 * std::sin(i * 0.125));
  return EncodeOggForTests(tone, 1, 22050);
}

TEST(LyingSoundHeaders, AnOggClaimingAnAbsurdLengthDecodesWhatItHolds) {
  ASSERT_TRUE(AllocationsAreCounted());
  // Long enough for several pages: the length comes from the first and the last.
  constexpr int kFrames = 100000;
  const auto ogg = ToneOgg(kFrames);
  for (std::uint64_t granule : {std::uint64_t{kFrames}, std::uint64_t{1} << 40, std::uint64_t{1} << 62}) {
    SCOPED_TRACE(granule);
    Pcm pcm;
    AllocationWatch watch;
    ASSERT_TRUE(DecodeOgg(WithLastGranule(ogg, granule), pcm));
    EXPECT_LT(watch.Tally().largest, kSmallRequest);
    // A length past the real end trims nothing: at most the last block's padding more.
    EXPECT_GE(pcm.bytes.size(), kFrames * 2u);
    EXPECT_LE(pcm.bytes.size(), (kFrames + 2048) * 2u);
  }
}

TEST(LyingSoundHeaders, AChainOfThousandsOfStreamsHoldsOneStreamsHeadersAtATime) {
  ASSERT_TRUE(AllocationsAreCounted());
  // Each stream's headers unpack to some 100 KB; kept for every stream, these took 110 MB.
  const auto chain = Chained(ToneOgg(2000), 1000);
  Pcm pcm;
  AllocationWatch watch;
  ASSERT_TRUE(DecodeOgg(chain, pcm));
  EXPECT_EQ(pcm.bytes.size(), 1000u * 2000 * 2);
  EXPECT_LT(watch.Tally().peak, 8 * kSmallRequest);
}

TEST(LyingSoundHeaders, WavHeadersTakeOnlyWhatTheFileHolds) {
  ASSERT_TRUE(AllocationsAreCounted());
  const std::string data = Chunk("data", std::string(40, '\x01'), 0xFFFFFFFFu);
  const struct {
    const char* what;
    std::string bytes;
    std::size_t loaded;  // 0: refused
  } cases[] = {
      {"data chunk claiming 4 GB", Riff(Chunk("fmt ", PcmFormat(1, 2, 8000, 16)) + data), 40},
      {"no channels", Riff(Chunk("fmt ", PcmFormat(1, 0, 8000, 16)) + data), 0},
      {"rate 0", Riff(Chunk("fmt ", PcmFormat(1, 1, 0, 16)) + data), 0},
      {"0 bits a sample", Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 0)) + data), 0},
  };
  ScratchFolder folder;
  auto device = std::make_unique<SilentSoundDevice>();
  SilentSoundDevice* silent = device.get();
  Sounds sounds([&device] { return std::move(device); });
  ASSERT_EQ(sounds.StartSoundSystem(), 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder.Write("sound.wav", c.bytes);
    const std::size_t before = silent->TotalBufferBytes();
    AllocationWatch watch;
    const int sound = sounds.LoadSoundFile(-1, folder.GamePath() + "sound.wav");
    EXPECT_LT(watch.Tally().largest, kSmallRequest);
    EXPECT_EQ(sound != 0 ? silent->TotalBufferBytes() - before : 0, c.loaded);
  }
}

}  // namespace
}  // namespace vorantis
