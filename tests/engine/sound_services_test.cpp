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

struct SoundTest : ::testing::Test {
  SoundTest()
      : sounds([this] {
          auto owned = std::make_unique<RefusingSoundDevice>();
          device = owned.get();
          return owned;
        }) {
    sounds.StartSoundSystem();
  }
  int Load(const std::string& content, int number = -1) {
    folder.Write("sound.bin", content);
    return sounds.LoadSoundFile(number, folder.GamePath() + "sound.bin");
  }
  // The bytes a successful load adds to the device; 0 when it fails.
  std::size_t Loaded(const std::string& content) {
    const std::size_t before = device->TotalBufferBytes();
    return Load(content) ? device->TotalBufferBytes() - before : 0;
  }
  testing::ScratchFolder folder;
  RefusingSoundDevice* device = nullptr;
  Sounds sounds;
};

TEST_F(SoundTest, WavChunksAreWalkedToTheDataWhoseWholeFramesPresentAreKept) {
  const std::string fmt = Chunk("fmt ", PcmFormat(1, 1, 8000, 16));
  const std::string data = Chunk("data", std::string(20, '\x01'));
  // Chunks claiming more than the file holds are the hostile tests' part.
  const std::tuple<const char*, std::string, std::size_t> cases[] = {
      {"plain", LevelWav(100), 200},
      {"odd chunk and its pad byte",
       Riff(Chunk("fmt ", PcmFormat(1, 2, 22050, 8)) + Chunk("LIST", "abc") + '\0' +
            Chunk("data", std::string(10, '\x80'))),
       10},
      {"data longer than the file",
       Riff(Chunk("fmt ", PcmFormat(1, 2, 8000, 16)) + Chunk("data", std::string(11, '\x01'), 1000)), 8},
      {"fmt does not follow the header", Riff(Chunk("LIST", PcmFormat(1, 1, 8000, 16)) + fmt + data), 0},
      {"no data chunk", Riff(fmt + Chunk("LIST", "abcd")), 0},
      {"not PCM", Riff(Chunk("fmt ", PcmFormat(3, 1, 8000, 16)) + data), 0},
      // Its bits a sample would be read from the next chunk's name.
      {"fmt too short",
       Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16).substr(0, 14)) + Chunk(std::string("\x10\0ab", 4), "") +
            data),
       0},
      {"header only", "RIFF", 0},
      {"empty data chunk", Riff(fmt + Chunk("data", "")), 0},
      {"not RIFF and no decoder", "OggS and more bytes", 0},
  };
  for (const auto& [why, bytes, loaded] : cases) EXPECT_EQ(Loaded(bytes), loaded) << why;
  // Chunks after the data chunk are not sound.
  const std::string samples = "\x01\x02\x03\x04\x05\x06";
  const std::string file = Riff(fmt + Chunk("data", samples) + Chunk("LIST", "INFOISFTtool"));
  Pcm pcm;
  ASSERT_TRUE(ReadWav({file.begin(), file.end()}, pcm));
  EXPECT_EQ(std::string(pcm.bytes.begin(), pcm.bytes.end()), samples);
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

TEST_F(SoundTest, NumbersAreChosenOrNewAndOnlyASoundThatLoadsReplacesTheOld) {
  const int first = Load(LevelWav(10));
  const int number = first + 1;
  EXPECT_GT(first, 0);
  EXPECT_EQ(Load(LevelWav(100), number), number);
  EXPECT_NE(Load(LevelWav(10)), number) << "new handles skip numbers in use";
  EXPECT_EQ(Load(LevelWav(10), 0), 0);
  // A missing file, an undecodable one, a refused buffer and a refused voice.
  for (int failure = 0; failure < 4; ++failure) {
    device->refuseBuffers = failure == 2;
    device->refuseVoices = failure == 3;
    EXPECT_EQ(failure ? Load(failure == 1 ? "RIFF and no more" : LevelWav(300), number)
                      : sounds.LoadSoundFile(number, folder.GamePath() + "missing.wav"),
              0);
    EXPECT_EQ(device->TotalBufferBytes(), 240u) << "the old sound's buffer, nothing of the new " << failure;
    EXPECT_EQ(device->VoiceCount(), 3) << failure;
  }
  device->refuseVoices = false;
  EXPECT_EQ(sounds.StartSound(number, 0), 1);
  EXPECT_EQ(Load(LevelWav(20), number), number);
  EXPECT_EQ(device->TotalBufferBytes(), 80u) << "the old sound was freed";
  sounds.ReleaseSound(first);
  EXPECT_EQ(sounds.SoundExists(first) + sounds.SoundExists(0) + sounds.StartSound(first, 0), 0);

  // Without a device every call is harmless.
  sounds.Shutdown();
  EXPECT_EQ(sounds.device(), nullptr);
  EXPECT_EQ(sounds.SoundExists(number) + sounds.StartSound(number, 0) + sounds.StartSoundSystem(), 0);
  EXPECT_EQ(Load(LevelWav(10)), 0);
  sounds.HaltSound(-1);
  sounds.ReleaseSound(number);
}

TEST_F(SoundTest, OverlappingDuplicatesAreFreedWhenFinishedHaltedOrReleased) {
  const int effect = Load(LevelWav(800));
  const int other = Load(LevelWav(800));
  sounds.StartSound(effect, kSoundOverlap);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_EQ(device->PlayingVoiceCount(), 2);
  EXPECT_EQ(device->VoiceCount(), 4);
  device->AdvanceTime(200);
  sounds.StartSound(effect, kSoundOverlap | kSoundLooped);
  EXPECT_EQ(device->VoiceCount(), 3) << "the finished duplicates went before the new one";
  sounds.StartSound(other, kSoundLooped);
  sounds.HaltSound(other);
  EXPECT_EQ(device->PlayingVoiceCount(), 1);
  sounds.HaltSound(effect);
  EXPECT_EQ(device->PlayingVoiceCount(), 0) << "halting a sound halts its duplicates";
  sounds.HaltSound(12345);
  sounds.ReleaseSound(effect);
  sounds.ReleaseSound(other);
  EXPECT_EQ(device->VoiceCount() + device->BufferCount(), 0);
}

}  // namespace
}  // namespace vorantis
