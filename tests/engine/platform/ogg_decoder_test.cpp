#include <gtest/gtest.h>

#include <cmath>

#include "engine/platform/ogg_decoder.h"
#include "engine/platform/testing/ogg_test_encoder.h"

namespace vorantis {
namespace {

// A tone of amplitude 8000 per channel, encoded.
std::vector<std::uint8_t> ToneOgg(int frames, int channels, int rate) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      samples.push_back(
          static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * (440 + 110 * c) * i / rate)));
  return EncodeOggForTests(samples, channels, rate);
}

TEST(OggDecoder, EncodedStreamsRoundTripChannelsRateAndLength) {
  for (auto [channels, rate, frames] : {std::tuple{1, 22050, 11025}, {2, 44100, 30000}}) {
    Pcm pcm;
    ASSERT_TRUE(DecodeOgg(ToneOgg(frames, channels, rate), pcm));
    EXPECT_EQ(std::tuple(pcm.channels, pcm.sampleRate, pcm.bitsPerSample), std::tuple(channels, rate, 16));
    EXPECT_EQ(pcm.bytes.size(), static_cast<std::size_t>(frames) * channels * 2);
    // Lossy, but the tone is there: the last channel's peak is near the encoded amplitude.
    int peak = 0;
    for (std::size_t at = (channels - 1) * 2; at < pcm.bytes.size(); at += channels * 2)
      peak = std::max(peak, std::abs(static_cast<std::int16_t>(pcm.bytes[at] | pcm.bytes[at + 1] << 8)));
    EXPECT_NEAR(peak, 8000, 1500);
  }
  Pcm cut;
  ASSERT_TRUE(DecodeOgg(ToneOgg(20000, 2, 44100), cut, 10001));
  EXPECT_EQ(cut.bytes.size(), 10000u) << "the limit is kept in whole frames";
}

TEST(OggDecoder, DamagedHeadersGiveNoSoundButACutInTheAudioKeepsWhatDecodes) {
  const auto ogg = ToneOgg(441000, 1, 22050);
  Pcm pcm;
  EXPECT_FALSE(DecodeOgg({}, pcm));
  EXPECT_FALSE(DecodeOgg({ogg.begin(), ogg.begin() + 60}, pcm)) << "headers cut";
  std::vector<std::uint8_t> garbage(5000);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 7919 >> 3);
  EXPECT_FALSE(DecodeOgg(garbage, pcm));
  std::copy_n("OggS", 4, garbage.begin());
  EXPECT_FALSE(DecodeOgg(garbage, pcm));
  EXPECT_TRUE(pcm.bytes.empty()) << "a refused stream leaves the result alone";

  ASSERT_TRUE(DecodeOgg({ogg.begin(), ogg.begin() + static_cast<long>(ogg.size() * 3 / 4)}, pcm));
  EXPECT_GT(pcm.bytes.size(), 100000u);
  EXPECT_LT(pcm.bytes.size(), 882000u);
}

}  // namespace
}  // namespace vorantis
