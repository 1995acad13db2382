#include <gtest/gtest.h>

#include <cmath>

#include "engine/platform/ogg_decoder.h"
#include "engine/platform/ogg_test_encoder.h"
#include "engine/silent_sound_device.h"
#include "engine/sounds.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

std::vector<std::int16_t> Tone(int frames, int channels, int rate) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      samples.push_back(
          static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * (440 + 110 * c) * i / rate)));
  return samples;
}

// Sample i of channel c, from little-endian 16-bit interleaved bytes.
int SampleAt(const Pcm& pcm, int frame, int channel) {
  const std::size_t at = (static_cast<std::size_t>(frame) * pcm.channels + channel) * 2;
  return static_cast<std::int16_t>(pcm.bytes[at] | pcm.bytes[at + 1] << 8);
}

TEST(OggDecoder, EncodedStreamsRoundTripChannelsRateAndLength) {
  struct Case {
    int channels, rate, frames;
  };
  for (Case c : {Case{1, 22050, 11025}, Case{2, 44100, 30000}}) {
    const auto ogg = EncodeOggForTests(Tone(c.frames, c.channels, c.rate), c.channels, c.rate);
    ASSERT_FALSE(ogg.empty());
    Pcm pcm;
    ASSERT_TRUE(DecodeOgg(ogg, pcm));
    EXPECT_EQ(pcm.channels, c.channels);
    EXPECT_EQ(pcm.sampleRate, c.rate);
    EXPECT_EQ(pcm.bitsPerSample, 16);
    EXPECT_EQ(pcm.bytes.size(), static_cast<std::size_t>(c.frames) * c.channels * 2);
    // Lossy, but the tone is there: its peak is near the encoded amplitude.
    int peak = 0;
    for (int i = 0; i < c.frames; ++i) peak = std::max(peak, std::abs(SampleAt(pcm, i, c.channels - 1)));
    EXPECT_NEAR(peak, 8000, 1500);
  }
}

TEST(OggDecoder, StopsAtTheLimitInWholeFrames) {
  const auto ogg = EncodeOggForTests(Tone(20000, 2, 44100), 2, 44100);
  Pcm pcm;
  ASSERT_TRUE(DecodeOgg(ogg, pcm, 10001));
  EXPECT_EQ(pcm.bytes.size(), 10000u);
}

TEST(OggDecoder, DamagedDataGivesNoSound) {
  const auto ogg = EncodeOggForTests(Tone(20000, 1, 22050), 1, 22050);
  Pcm pcm;
  EXPECT_FALSE(DecodeOgg({}, pcm));
  EXPECT_FALSE(DecodeOgg(std::vector<std::uint8_t>(ogg.begin(), ogg.begin() + 60), pcm)) << "headers cut";
  std::vector<std::uint8_t> garbage(5000);
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 7919 >> 3);
  EXPECT_FALSE(DecodeOgg(garbage, pcm));
  std::vector<std::uint8_t> fakeHeader(garbage);
  std::copy_n("OggS", 4, fakeHeader.begin());
  EXPECT_FALSE(DecodeOgg(fakeHeader, pcm));
  EXPECT_TRUE(pcm.bytes.empty()) << "a refused stream leaves the result alone";
}

TEST(OggDecoder, StreamCutInItsAudioKeepsWhatDecodes) {
  // Long enough that the setup headers are a small part of the file.
  const auto ogg = EncodeOggForTests(Tone(441000, 1, 22050), 1, 22050);
  Pcm pcm;
  ASSERT_TRUE(DecodeOgg(std::vector<std::uint8_t>(ogg.begin(), ogg.begin() + ogg.size() * 3 / 4), pcm));
  EXPECT_GT(pcm.bytes.size(), 100000u);
  EXPECT_LT(pcm.bytes.size(), 882000u);
}

TEST(OggDecoder, LoadsThroughTheSoundServicesOnceRegistered) {
  testing::ScratchFolder folder;
  const auto ogg = EncodeOggForTests(Tone(5000, 2, 22050), 2, 22050);
  folder.Write("fx.ogg", std::string(ogg.begin(), ogg.end()));
  folder.Write("broken.ogg", std::string(ogg.begin(), ogg.begin() + 30));
  SilentSoundDevice* silent = nullptr;
  Sounds sounds([&silent] {
    auto device = std::make_unique<SilentSoundDevice>();
    silent = device.get();
    return device;
  });
  ASSERT_EQ(sounds.StartSoundSystem(), 1);
  EXPECT_EQ(sounds.LoadSoundFile(-1, folder.GamePath() + "fx.ogg"), 0) << "no decoder registered yet";
  RegisterOggDecoder(sounds);
  EXPECT_NE(sounds.LoadSoundFile(-1, folder.GamePath() + "fx.ogg"), 0);
  EXPECT_EQ(sounds.LoadSoundFile(-1, folder.GamePath() + "broken.ogg"), 0);
  EXPECT_EQ(silent->TotalBufferBytes(), 5000u * 2 * 2);
}

}  // namespace
}  // namespace vorantis
