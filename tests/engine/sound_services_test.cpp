#include <gtest/gtest.h>

#include "engine/silent_sound_device.h"
#include "engine/sounds.h"
#include "engine/wav_reader.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"

namespace vorantis {
namespace {

using testing::Chunk;
using testing::LevelWav;
using testing::PcmFormat;
using testing::Riff;

struct SoundTest : ::testing::Test {
  SoundTest()
      : sounds([this] {
          auto device = std::make_unique<SilentSoundDevice>();
          silent = device.get();
          return device;
        }) {
    sounds.StartSoundSystem();
  }
  int Load(const std::string& content, int number = -1) {
    folder.Write("sound.bin", content);
    return sounds.LoadSoundFile(number, folder.GamePath() + "sound.bin");
  }
  // The bytes a successful load adds to the device; 0 when it fails.
  std::size_t Loaded(const std::string& content) {
    const std::size_t before = silent->TotalBufferBytes();
    return Load(content) ? silent->TotalBufferBytes() - before : 0;
  }
  testing::ScratchFolder folder;
  SilentSoundDevice* silent = nullptr;
  Sounds sounds;
};

TEST_F(SoundTest, WavWalksChunksToDataAndKeepsWholeFramesPresent) {
  ASSERT_NE(silent, nullptr);
  EXPECT_EQ(Loaded(LevelWav(100)), 200u);
  // An odd-length chunk is followed by its pad byte.
  EXPECT_EQ(Loaded(Riff(Chunk("fmt ", PcmFormat(1, 2, 22050, 8)) + Chunk("LIST", "abc") + '\0' +
                        Chunk("data", std::string(10, '\x80')))),
            10u);
  // A data chunk claiming more than the file holds: the two whole stereo frames present.
  EXPECT_EQ(
      Loaded(Riff(Chunk("fmt ", PcmFormat(1, 2, 8000, 16)) + Chunk("data", std::string(11, '\x01'), 1000))),
      8u);
  // Chunks after the data chunk are not sound.
  const std::string samples = "\x01\x02\x03\x04\x05\x06";
  const std::string file =
      Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16)) + Chunk("data", samples) + Chunk("LIST", "INFOISFTtool"));
  Pcm pcm;
  ASSERT_TRUE(ReadWav({file.begin(), file.end()}, pcm));
  EXPECT_EQ(std::string(pcm.bytes.begin(), pcm.bytes.end()), samples);
}

TEST_F(SoundTest, MalformedWavFilesAreRejected) {
  const std::string fmt = Chunk("fmt ", PcmFormat(1, 1, 8000, 16));
  const std::string data = Chunk("data", std::string(20, '\x01'));
  // Chunks claiming more than the file holds are the hostile tests' part.
  const std::pair<const char*, std::string> cases[] = {
      {"fmt does not follow the header", Riff(Chunk("LIST", "abcd") + fmt + data)},
      {"no data chunk", Riff(fmt + Chunk("LIST", "abcd"))},
      {"not PCM", Riff(Chunk("fmt ", PcmFormat(3, 1, 8000, 32)) + data)},
      {"fmt too short", Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16).substr(0, 10)) + data)},
      {"header only", "RIFF"},
      {"empty data chunk", Riff(fmt + Chunk("data", ""))},
      {"not RIFF and no decoder", "OggS and more bytes"},
  };
  for (const auto& [why, bytes] : cases) EXPECT_EQ(Load(bytes), 0) << why;
  EXPECT_EQ(silent->BufferCount(), 0);
}

TEST_F(SoundTest, OtherDataGoesToTheDecodersInOrderUntilOneAccepts) {
  std::vector<int> asked;
  for (int id : {1, 2, 3})
    sounds.RegisterSoundDecoder([&asked, id](const std::vector<std::uint8_t>&, Pcm& pcm) {
      asked.push_back(id);
      if (id == 1) return false;
      pcm = Pcm{1, 11025, 16, std::vector<std::uint8_t>(4u * id)};
      return true;
    });
  EXPECT_EQ(Load(Riff(Chunk("LIST", "abcd"))), 0);
  EXPECT_TRUE(asked.empty()) << "RIFF data is never offered to decoders";
  EXPECT_EQ(Loaded("not a wav"), 8u);
  EXPECT_EQ(asked, (std::vector<int>{1, 2}));
}

TEST_F(SoundTest, LongStreamsAreCutAtTheLimitInWholeFrames) {
  sounds.RegisterSoundDecoder([&](const std::vector<std::uint8_t>&, Pcm& pcm) {
    // Six channels of 16 bits: 12-byte frames, which 64,000,000 is not a multiple of.
    pcm = Pcm{6, 44100, 16, std::vector<std::uint8_t>(kDecodedSoundLimit + 1000)};
    return true;
  });
  EXPECT_EQ(Loaded("long stream"), kDecodedSoundLimit - kDecodedSoundLimit % 12);
}

TEST_F(SoundTest, NumbersAreChosenOrNewAndAFailedLoadKeepsTheOldSound) {
  const int first = Load(LevelWav(10));
  const int second = Load(LevelWav(10));
  EXPECT_GT(first, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(Load(LevelWav(10), 40), 40);
  EXPECT_EQ(Load(LevelWav(20), 40), 40);
  EXPECT_EQ(silent->BufferCount(), 3) << "the old sound of number 40 was freed";
  EXPECT_NE(Load(LevelWav(10)), 40) << "new handles skip numbers in use";
  EXPECT_EQ(Load(LevelWav(10), 0), 0);
  EXPECT_EQ(sounds.LoadSoundFile(-1, folder.GamePath() + "missing.ogg"), 0);
  sounds.ReleaseSound(second);
  EXPECT_EQ(sounds.SoundExists(second) + sounds.SoundExists(0) + sounds.StartSound(second, 0), 0);

  sounds.Shutdown();
  EXPECT_EQ(sounds.device(), nullptr);
  EXPECT_EQ(sounds.SoundExists(first) + sounds.StartSound(first, 0) + sounds.StartSoundSystem(), 0);
}

// A silent device that can be told to refuse new buffers or voices.
class RefusingSoundDevice : public SilentSoundDevice {
 public:
  std::uint32_t CreateBuffer(const Pcm& pcm) override {
    return refuseBuffers ? 0 : SilentSoundDevice::CreateBuffer(pcm);
  }
  std::uint32_t CreateVoice(std::uint32_t buffer) override {
    return refuseVoices ? 0 : SilentSoundDevice::CreateVoice(buffer);
  }
  bool refuseBuffers = false;
  bool refuseVoices = false;
};

TEST(SoundReplacement, TheOldSoundStaysUntilTheNewOneIsMade) {
  enum class Failure { kMissingFile, kUndecodable, kNoBuffer, kNoVoice };
  for (Failure failure :
       {Failure::kMissingFile, Failure::kUndecodable, Failure::kNoBuffer, Failure::kNoVoice}) {
    SCOPED_TRACE(static_cast<int>(failure));
    testing::ScratchFolder folder;
    folder.Write("old.wav", LevelWav(100));
    folder.Write("new.wav", failure == Failure::kUndecodable ? "RIFF and no more" : LevelWav(300));
    auto owned = std::make_unique<RefusingSoundDevice>();
    RefusingSoundDevice* device = owned.get();
    Sounds sounds([&owned] { return std::move(owned); });
    ASSERT_EQ(sounds.StartSoundSystem(), 1);
    ASSERT_EQ(sounds.LoadSoundFile(40, folder.GamePath() + "old.wav"), 40);
    device->refuseBuffers = failure == Failure::kNoBuffer;
    device->refuseVoices = failure == Failure::kNoVoice;
    const std::string next = failure == Failure::kMissingFile ? "missing.wav" : "new.wav";
    EXPECT_EQ(sounds.LoadSoundFile(40, folder.GamePath() + next), 0);
    EXPECT_EQ(sounds.SoundExists(40), 1);
    EXPECT_EQ(device->TotalBufferBytes(), 200u) << "the old sound's buffer, and nothing left of the new";
    EXPECT_EQ(device->VoiceCount(), 1);
    device->refuseVoices = false;
    EXPECT_EQ(sounds.StartSound(40, 0), 1);
    EXPECT_EQ(device->PlayingVoiceCount(), 1);
  }
}

TEST_F(SoundTest, OverlappingDuplicatesAreFreedWhenFinishedHaltedOrReleased) {
  const int effect = Load(LevelWav(800));
  const int other = Load(LevelWav(800));
  sounds.StartSound(effect, kSoundOverlap);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_EQ(silent->PlayingVoiceCount(), 2);
  EXPECT_EQ(silent->VoiceCount(), 4);
  silent->AdvanceTime(200);
  sounds.StartSound(effect, kSoundOverlap | kSoundLooped);
  EXPECT_EQ(silent->VoiceCount(), 3) << "the finished duplicates went before the new one";
  sounds.StartSound(other, kSoundLooped);
  sounds.HaltSound(other);
  EXPECT_EQ(silent->PlayingVoiceCount(), 1);
  sounds.HaltSound(effect);
  EXPECT_EQ(silent->PlayingVoiceCount(), 0) << "halting a sound halts its duplicates";
  sounds.HaltSound(12345);
  sounds.ReleaseSound(effect);
  sounds.ReleaseSound(other);
  EXPECT_EQ(silent->VoiceCount() + silent->BufferCount(), 0);
}

TEST(SoundsWithoutDevice, EveryCallIsHarmless) {
  testing::ScratchFolder folder;
  folder.Write("a.wav", LevelWav(10));
  Sounds sounds([] { return std::unique_ptr<SoundDevice>(); });
  EXPECT_EQ(sounds.StartSoundSystem(), 0);
  EXPECT_EQ(
      sounds.LoadSoundFile(-1, folder.GamePath() + "a.wav") + sounds.SoundExists(1) + sounds.StartSound(1, 0),
      0);
  sounds.HaltSound(-1);
  sounds.ReleaseSound(1);
  sounds.Shutdown();
}

}  // namespace
}  // namespace vorantis
