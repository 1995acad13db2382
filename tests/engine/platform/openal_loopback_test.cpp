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

TEST_F(LoopbackTest, OverlappingPlaysAddUp) {
  const int effect = Load("effect.wav", 0.5);
  sounds.StartSound(effect, kSoundOverlap);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_NEAR(Render(0.2).first, 2 * kLevel, kTolerance);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_NEAR(Render(0.2).first, 3 * kLevel, kTolerance);
  EXPECT_NEAR(Render(0.2).second, kLevel, kTolerance) << "the first two have ended, the third goes on";
}

TEST_F(LoopbackTest, LoopsSoundOnUntilHaltingEverySoundSilencesTheMixAndPlayingAgainStartsOver) {
  const int music = Load("music.wav", 0.2);
  const int effect = Load("effect.wav", 1.0);
  sounds.StartSound(music, kSoundLooped);
  sounds.StartSound(effect, 0);
  sounds.StartSound(effect, kSoundOverlap | kSoundLooped);
  const auto [middle, last] = Render(1.05);
  EXPECT_NEAR(middle, 3 * kLevel, kTolerance);
  EXPECT_NEAR(last, 2 * kLevel, kTolerance) << "five lengths of the music on, the effect ended";
  sounds.HaltSound(-1);
  const auto out = loopback->RenderFrames(Frames(0.3));
  // Past a short fade, nothing but the mixer's dither.
  EXPECT_TRUE(std::all_of(out.begin() + 256, out.end(), [](std::int16_t s) { return std::abs(s) <= 2; }));
  sounds.StartSound(effect, 0);
  EXPECT_NEAR(Render(0.9).second, kLevel, kTolerance);
  EXPECT_NEAR(Render(0.2).second, 0, kTolerance);
}

TEST_F(LoopbackTest, ASoundReplacedUnderItsNumberWhilePlayingFallsSilent) {
  const int effect = Load("effect.wav", 0.5);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_NEAR(Render(0.2).first, kLevel, kTolerance);
  folder.Write("quieter.wav", testing::LevelWav(Frames(0.5), kRate, kLevel / 2));
  ASSERT_EQ(sounds.LoadSoundFile(effect, folder.GamePath() + "quieter.wav"), effect);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_NEAR(Render(0.2).first, kLevel / 2, kTolerance) << "only the new sound plays";
}

}  // namespace
}  // namespace vorantis
