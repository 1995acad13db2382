#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/platform/openal_device.h"
#include "engine/sounds.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

constexpr int kRate = 22050;
constexpr int kLevel = 8000;
constexpr int kTolerance = kLevel / 20;

// A mono 16-bit WAV holding a constant level, so that the mix shows how many copies sound.
std::string LevelWav(int frames) {
  auto put = [](std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  std::string wav = "RIFF";
  put(wav, 36 + frames * 2, 4);
  wav += "WAVEfmt ";
  put(wav, 16, 4);
  put(wav, 1, 2);
  put(wav, 1, 2);
  put(wav, kRate, 4);
  put(wav, kRate * 2, 4);
  put(wav, 2, 2);
  put(wav, 16, 2);
  wav += "data";
  put(wav, frames * 2, 4);
  for (int i = 0; i < frames; ++i) put(wav, kLevel, 2);
  return wav;
}

int Frames(double seconds) {
  return static_cast<int>(seconds * kRate);
}

struct LoopbackFixture : ::testing::Test {
  LoopbackFixture()
      : sounds([this]() -> std::unique_ptr<SoundDevice> {
          auto device = OpenLoopbackDevice(kRate, 1);
          loopback = device.get();
          return device;
        }) {}
  void SetUp() override {
    if (sounds.StartSoundSystem() == 0) GTEST_SKIP() << "OpenAL Soft without loopback support";
  }
  int Load(const std::string& name, double seconds) {
    folder.Write(name, LevelWav(Frames(seconds)));
    return sounds.LoadSoundFile(-1, folder.GamePath() + name);
  }
  // The mixed level in the middle of the next stretch of sound, and at its last frame.
  struct Heard {
    int middle = 0;
    int last = 0;
  };
  Heard Render(double seconds) {
    const auto out = loopback->RenderFrames(Frames(seconds));
    return Heard{out[out.size() / 2], out.back()};
  }

  testing::ScratchFolder folder;
  LoopbackSoundDevice* loopback = nullptr;
  Sounds sounds;
};

TEST_F(LoopbackFixture, AnEffectPlayedOnConsecutivePassesRestartsInsteadOfOverlapping) {
  const int effect = Load("effect.wav", 0.5);
  ASSERT_NE(effect, 0);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_NEAR(Render(0.3).middle, 1 * kLevel, kTolerance);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  const Heard afterRestart = Render(0.3);
  EXPECT_NEAR(afterRestart.middle, 1 * kLevel, kTolerance) << "one copy sounds";
  EXPECT_NEAR(afterRestart.last, 1 * kLevel, kTolerance) << "0.6 s after the first start: it was restarted";
  EXPECT_NEAR(Render(0.3).last, 0 * kLevel, kTolerance) << "and it ends 0.5 s after the restart";
}

TEST_F(LoopbackFixture, ALoopedTrackStillSoundsAfterTenLengths) {
  const int track = Load("track.wav", 0.1);
  ASSERT_EQ(sounds.StartSound(track, kSoundLooped), 1);
  EXPECT_NEAR(Render(1.05).last, 1 * kLevel, kTolerance);
}

TEST_F(LoopbackFixture, OverlappingPlaysAddUp) {
  const int effect = Load("effect.wav", 0.5);
  ASSERT_EQ(sounds.StartSound(effect, kSoundOverlap), 1);
  ASSERT_EQ(sounds.StartSound(effect, kSoundOverlap), 1);
  EXPECT_NEAR(Render(0.2).middle, 2 * kLevel, kTolerance);
  ASSERT_EQ(sounds.StartSound(effect, kSoundOverlap), 1);
  EXPECT_NEAR(Render(0.2).middle, 3 * kLevel, kTolerance);
  EXPECT_NEAR(Render(0.2).last, 1 * kLevel, kTolerance) << "the first two have ended, the third goes on";
}

TEST_F(LoopbackFixture, HaltingEverySoundSilencesTheMix) {
  const int music = Load("music.wav", 0.2);
  const int effect = Load("effect.wav", 1.0);
  sounds.StartSound(music, kSoundLooped);
  sounds.StartSound(effect, 0);
  sounds.StartSound(effect, kSoundOverlap | kSoundLooped);
  EXPECT_NEAR(Render(0.1).middle, 3 * kLevel, kTolerance);
  sounds.HaltSound(-1);
  const auto out = loopback->RenderFrames(Frames(0.3));
  // Past a short fade, nothing but the mixer's dither.
  EXPECT_TRUE(std::all_of(out.begin() + 256, out.end(), [](std::int16_t s) { return std::abs(s) <= 2; }));

  // A halted sound starts again from its beginning.
  sounds.StartSound(effect, 0);
  EXPECT_NEAR(Render(0.9).last, 1 * kLevel, kTolerance);
  EXPECT_NEAR(Render(0.2).last, 0 * kLevel, kTolerance);
}

TEST(OpenAlDefaultDevice, StartingWithoutASoundCardIsHarmless) {
  testing::ScratchFolder folder;
  folder.Write("effect.wav", LevelWav(100));
  Sounds sounds(OpenOpenAlDevice);
  const int started = sounds.StartSoundSystem();
  EXPECT_EQ(started != 0, sounds.device() != nullptr);
  // Whether or not this machine has a sound card, every call goes through.
  const int effect = sounds.LoadSoundFile(-1, folder.GamePath() + "effect.wav");
  EXPECT_EQ(effect != 0, started != 0);
  sounds.StartSound(effect, 0);
  sounds.HaltSound(-1);
  sounds.ReleaseSound(effect);
  sounds.Shutdown();
}

}  // namespace
}  // namespace vorantis
