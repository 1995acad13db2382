#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/platform/openal_device.h"
#include "engine/sounds.h"
#include "support/test_files.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

constexpr int kRate = 22050;
constexpr int kLevel = 8000;
constexpr int kTolerance = kLevel / 20;

int Frames(double seconds) {
  return static_cast<int>(seconds * kRate);
}

// Each sound holds a constant level, so the mix shows how many copies sound.
struct LoopbackTest : ::testing::Test {
  LoopbackTest()
      : sounds([this]() -> std::unique_ptr<SoundDevice> {
          auto device = OpenLoopbackDevice(kRate, 1);
          loopback = device.get();
          return device;
        }) {}
  void SetUp() override {
    if (sounds.StartSoundSystem() == 0) GTEST_SKIP() << "OpenAL Soft without loopback support";
  }
  int Load(const std::string& name, double seconds) {
    folder.Write(name, testing::LevelWav(Frames(seconds), kRate, kLevel));
    return sounds.LoadSoundFile(-1, folder.GamePath() + name);
  }
  // The mixed level in the middle of the next stretch of sound (first), and at its last frame.
  std::pair<int, int> Render(double seconds) {
    const auto out = loopback->RenderFrames(Frames(seconds));
    return {out[out.size() / 2], out.back()};
  }

  testing::ScratchFolder folder;
  LoopbackSoundDevice* loopback = nullptr;
  Sounds sounds;
};

TEST_F(LoopbackTest, AnEffectPlayedOnConsecutivePassesRestartsInsteadOfOverlapping) {
  const int effect = Load("effect.wav", 0.5);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_NEAR(Render(0.3).first, kLevel, kTolerance);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  const auto [middle, last] = Render(0.3);
  EXPECT_NEAR(middle, kLevel, kTolerance) << "one copy sounds";
  EXPECT_NEAR(last, kLevel, kTolerance) << "0.6 s after the first start: it was restarted";
  EXPECT_NEAR(Render(0.3).second, 0, kTolerance) << "and it ends 0.5 s after the restart";
}

TEST_F(LoopbackTest, ALoopedTrackStillSoundsAfterTenLengths) {
  ASSERT_EQ(sounds.StartSound(Load("track.wav", 0.1), kSoundLooped), 1);
  EXPECT_NEAR(Render(1.05).second, kLevel, kTolerance);
}

TEST_F(LoopbackTest, OverlappingPlaysAddUp) {
  const int effect = Load("effect.wav", 0.5);
  sounds.StartSound(effect, kSoundOverlap);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_NEAR(Render(0.2).first, 2 * kLevel, kTolerance);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_NEAR(Render(0.2).first, 3 * kLevel, kTolerance);
  EXPECT_NEAR(Render(0.2).second, kLevel, kTolerance) << "the first two have ended, the third goes on";
}

TEST_F(LoopbackTest, HaltingEverySoundSilencesTheMixAndPlayingAgainStartsOver) {
  const int music = Load("music.wav", 0.2);
  const int effect = Load("effect.wav", 1.0);
  sounds.StartSound(music, kSoundLooped);
  sounds.StartSound(effect, 0);
  sounds.StartSound(effect, kSoundOverlap | kSoundLooped);
  EXPECT_NEAR(Render(0.1).first, 3 * kLevel, kTolerance);
  sounds.HaltSound(-1);
  const auto out = loopback->RenderFrames(Frames(0.3));
  // Past a short fade, nothing but the mixer's dither.
  EXPECT_TRUE(std::all_of(out.begin() + 256, out.end(), [](std::int16_t s) { return std::abs(s) <= 2; }));
  sounds.StartSound(effect, 0);
  EXPECT_NEAR(Render(0.9).second, kLevel, kTolerance);
  EXPECT_NEAR(Render(0.2).second, 0, kTolerance);
}

TEST_F(LoopbackTest, AFailedLoadUnderANumberKeepsItsOldSoundAndASuccessfulOneReplacesIt) {
  const int effect = Load("effect.wav", 0.5);
  folder.Write("broken.wav", "RIFF and nothing after");
  EXPECT_EQ(sounds.LoadSoundFile(effect, folder.GamePath() + "broken.wav"), 0);
  EXPECT_EQ(sounds.LoadSoundFile(effect, folder.GamePath() + "missing.wav"), 0);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_NEAR(Render(0.2).first, kLevel, kTolerance);
  folder.Write("quieter.wav", testing::LevelWav(Frames(0.5), kRate, kLevel / 2));
  ASSERT_EQ(sounds.LoadSoundFile(effect, folder.GamePath() + "quieter.wav"), effect);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_NEAR(Render(0.2).first, kLevel / 2, kTolerance) << "only the new sound plays";
}

TEST(OpenAlDefaultDevice, StartingWithOrWithoutASoundCardIsHarmless) {
  testing::ScratchFolder folder;
  folder.Write("effect.wav", testing::LevelWav(100));
  Sounds sounds(OpenOpenAlDevice);
  const int started = sounds.StartSoundSystem();
  EXPECT_EQ(started != 0, sounds.device() != nullptr);
  const int effect = sounds.LoadSoundFile(-1, folder.GamePath() + "effect.wav");
  EXPECT_EQ(effect != 0, started != 0);
  sounds.StartSound(effect, 0);
  sounds.HaltSound(-1);
  sounds.Shutdown();
}

}  // namespace
}  // namespace vorantis
