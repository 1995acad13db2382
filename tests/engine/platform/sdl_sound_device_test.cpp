// The SDL sound output used where OpenAL Soft is not built (the Windows archive), checked here through
// SDL's disk audio driver, which writes the mix to a file instead of a sound card.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/platform/sdl_sound_device.h"

namespace vorantis {
namespace {

// The largest 16-bit sample written to the file so far.
int PeakOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  int peak = 0;
  for (std::int16_t sample = 0; in.read(reinterpret_cast<char*>(&sample), 2);)
    peak = std::max(peak, std::abs(int{sample}));
  return peak;
}

// A second of 16-bit mono square wave.
Pcm SquareWave(int amplitude) {
  Pcm pcm{1, 22050, 16, {}};
  for (int i = 0; i < 22050; ++i) {
    const auto sample = static_cast<std::uint16_t>((i / 50) % 2 ? amplitude : -amplitude);
    pcm.bytes.insert(pcm.bytes.end(),
                     {static_cast<std::uint8_t>(sample), static_cast<std::uint8_t>(sample >> 8)});
  }
  return pcm;
}

TEST(SdlSoundDevice, MixesAPlayingVoiceIntoTheOutputAndRefusesBadBuffers) {
  const auto file = std::filesystem::path(testing::TempDir()) /
                    ("vorantis-sdl-audio-" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + ".raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.string().c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", "1", 1);
  int peak = 0;
  {
    auto device = OpenSdlSoundDevice();
    ASSERT_NE(device, nullptr);
    Pcm odd = SquareWave(1000);
    odd.bitsPerSample = 12;
    EXPECT_EQ(device->CreateBuffer(odd), 0u);
    EXPECT_EQ(device->CreateBuffer(Pcm{}), 0u);
    const std::uint32_t buffer = device->CreateBuffer(SquareWave(8000));
    ASSERT_NE(buffer, 0u);
    const std::uint32_t voice = device->CreateVoice(buffer);
    device->Play(voice, false);
    EXPECT_TRUE(device->IsPlaying(voice));
    // The driver writes a block every millisecond: look a bounded number of times for the sound.
    for (int round = 0; round < 500 && peak == 0; ++round) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      peak = PeakOf(file);
    }
    device->Stop(voice);
    EXPECT_FALSE(device->IsPlaying(voice));
    device->DestroyVoice(voice);
    device->DestroyBuffer(buffer);
  }
  unsetenv("SDL_AUDIODRIVER");
  std::filesystem::remove(file);
  EXPECT_GT(peak, 4000) << "no sound reached the output";
  EXPECT_LE(peak, 12000);  // resampling rings a little above 8000; mixed twice would be 16000
}

}  // namespace
}  // namespace vorantis
