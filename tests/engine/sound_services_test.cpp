#include <gtest/gtest.h>

#include "engine/silent_sound_device.h"
#include "engine/sounds.h"
#include "support/test_game.h"

namespace vorantis {
namespace {

using testing::ScratchFolder;

void Put16(std::string& out, int v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<int>(v & 0xFFFF));
  Put16(out, static_cast<int>(v >> 16));
}
std::string Chunk(const std::string& id, const std::string& body, std::uint32_t declared) {
  std::string out = id;
  Put32(out, declared);
  return out + body;
}
std::string Chunk(const std::string& id, const std::string& body) {
  return Chunk(id, body, static_cast<std::uint32_t>(body.size()));
}
std::string PcmFormat(int tag, int channels, int rate, int bits) {
  std::string f;
  Put16(f, tag);
  Put16(f, channels);
  Put32(f, static_cast<std::uint32_t>(rate));
  Put32(f, static_cast<std::uint32_t>(rate * channels * bits / 8));
  Put16(f, channels * bits / 8);
  Put16(f, bits);
  return f;
}
std::string Riff(const std::string& chunks) {
  std::string out = "RIFF";
  Put32(out, static_cast<std::uint32_t>(chunks.size() + 4));
  return out + "WAVE" + chunks;
}
// A mono 16-bit WAV of `frames` samples at 8000 Hz.
std::string SimpleWav(int frames) {
  return Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16)) + Chunk("data", std::string(frames * 2, '\x10')));
}

struct SoundFixture : ::testing::Test {
  SoundFixture()
      : sounds([this] {
          auto device = std::make_unique<SilentSoundDevice>();
          silent = device.get();
          return device;
        }) {}
  int Load(const std::string& content, int number = -1) {
    folder.Write("sound.bin", content);
    return sounds.LoadSoundFile(number, folder.GamePath() + "sound.bin");
  }
  ScratchFolder folder;
  SilentSoundDevice* silent = nullptr;
  Sounds sounds;
};

using WavLoading = SoundFixture;

TEST_F(WavLoading, AcceptsPcmAndWalksExtraChunksToData) {
  ASSERT_EQ(sounds.StartSoundSystem(), 1);
  EXPECT_NE(Load(SimpleWav(100)), 0);
  EXPECT_EQ(silent->TotalBufferBytes(), 200u);

  // An odd-length chunk is followed by its pad byte.
  std::string padded = Riff(Chunk("fmt ", PcmFormat(1, 2, 22050, 8)) + Chunk("LIST", "abc") +
                            std::string(1, '\0') + Chunk("data", std::string(10, '\x80')));
  EXPECT_NE(Load(padded), 0);
  EXPECT_EQ(silent->TotalBufferBytes(), 210u);
}

TEST_F(WavLoading, RejectsMalformedFiles) {
  ASSERT_EQ(sounds.StartSoundSystem(), 1);
  const std::string fmt = Chunk("fmt ", PcmFormat(1, 1, 8000, 16));
  const std::string data = Chunk("data", std::string(20, '\x01'));
  struct Case {
    const char* why;
    std::string bytes;
  };
  const Case cases[] = {
      {"fmt does not follow the header", Riff(Chunk("LIST", "abcd") + fmt + data)},
      {"no data chunk", Riff(fmt + Chunk("LIST", "abcd"))},
      {"a chunk claims more than the file holds", Riff(fmt + Chunk("LIST", "abcd", 0xFFFFFFF0u) + data)},
      {"not PCM", Riff(Chunk("fmt ", PcmFormat(3, 1, 8000, 32)) + data)},
      {"fmt too short", Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16).substr(0, 10)) + data)},
      {"fmt longer than the file", Riff(Chunk("fmt ", PcmFormat(1, 1, 8000, 16), 4000))},
      {"header only", "RIFF"},
      {"empty data chunk", Riff(fmt + Chunk("data", ""))},
      {"not RIFF and no decoder", "OggS and more bytes"},
  };
  for (const Case& c : cases) EXPECT_EQ(Load(c.bytes), 0) << c.why;
  EXPECT_EQ(silent->BufferCount(), 0);
}

TEST_F(WavLoading, DataChunkLongerThanTheFileKeepsWholeFramesThatArePresent) {
  sounds.StartSoundSystem();
  std::string wav =
      Riff(Chunk("fmt ", PcmFormat(1, 2, 8000, 16)) + Chunk("data", std::string(11, '\x01'), 1000));
  EXPECT_NE(Load(wav), 0);
  EXPECT_EQ(silent->TotalBufferBytes(), 8u);
}

TEST_F(WavLoading, RiffDataIsNeverOfferedToDecoders) {
  sounds.StartSoundSystem();
  int offered = 0;
  sounds.RegisterSoundDecoder([&](const std::vector<std::uint8_t>&, Pcm&) {
    ++offered;
    return false;
  });
  EXPECT_EQ(Load(Riff(Chunk("LIST", "abcd"))), 0);
  EXPECT_EQ(offered, 0);
  EXPECT_EQ(Load("something else"), 0);
  EXPECT_EQ(offered, 1);
}

using Decoders = SoundFixture;

TEST_F(Decoders, AreAskedInOrderUntilOneAccepts) {
  sounds.StartSoundSystem();
  std::vector<int> asked;
  auto decoder = [&asked](int id, bool accepts) {
    return [&asked, id, accepts](const std::vector<std::uint8_t>&, Pcm& pcm) {
      asked.push_back(id);
      if (!accepts) return false;
      pcm = Pcm{1, 11025, 16, std::vector<std::uint8_t>(4u * id)};
      return true;
    };
  };
  sounds.RegisterSoundDecoder(decoder(1, false));
  sounds.RegisterSoundDecoder(decoder(2, true));
  sounds.RegisterSoundDecoder(decoder(3, true));
  EXPECT_NE(Load("not a wav"), 0);
  EXPECT_EQ(asked, (std::vector<int>{1, 2}));
  EXPECT_EQ(silent->TotalBufferBytes(), 8u);
}

TEST_F(Decoders, LongStreamsAreCutAtTheLimitInWholeFrames) {
  sounds.StartSoundSystem();
  std::size_t produced = 0;
  sounds.RegisterSoundDecoder([&](const std::vector<std::uint8_t>&, Pcm& pcm) {
    // Six channels of 16 bits: 12-byte frames, which 64,000,000 is not a multiple of.
    pcm = Pcm{6, 44100, 16, std::vector<std::uint8_t>(kDecodedSoundLimit + 1000)};
    produced = pcm.bytes.size();
    return true;
  });
  ASSERT_NE(Load("long stream"), 0);
  EXPECT_GT(produced, kDecodedSoundLimit);
  EXPECT_EQ(silent->TotalBufferBytes(), kDecodedSoundLimit - kDecodedSoundLimit % 12);
}

using SoundHandles = SoundFixture;

TEST_F(SoundHandles, NewAndChosenNumbersAndFreeingTheOldSound) {
  sounds.StartSoundSystem();
  const int first = Load(SimpleWav(10));
  const int second = Load(SimpleWav(10));
  EXPECT_GT(first, 0);
  EXPECT_NE(first, second);
  EXPECT_EQ(sounds.SoundExists(first), 1);

  EXPECT_EQ(Load(SimpleWav(10), 40), 40);
  EXPECT_EQ(Load(SimpleWav(20), 40), 40);
  EXPECT_EQ(silent->BufferCount(), 3) << "the old sound of number 40 was freed";
  EXPECT_NE(Load(SimpleWav(10)), 40) << "new handles skip numbers in use";

  EXPECT_EQ(Load("garbage", first), 0);
  EXPECT_EQ(sounds.SoundExists(first), 1) << "a failed load leaves the number's sound alone";
  EXPECT_EQ(Load(SimpleWav(10), 0), 0);
  EXPECT_EQ(sounds.LoadSoundFile(-1, folder.GamePath() + "missing.ogg"), 0);

  sounds.ReleaseSound(second);
  EXPECT_EQ(sounds.SoundExists(second), 0);
  EXPECT_EQ(sounds.SoundExists(0), 0);
  EXPECT_EQ(sounds.StartSound(second, 0), 0);
}

using Playback = SoundFixture;

TEST_F(Playback, PlayingAgainRestartsTheSameVoice) {
  sounds.StartSoundSystem();
  const int effect = Load(SimpleWav(8000));  // one second
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  silent->AdvanceTime(300);
  ASSERT_EQ(sounds.StartSound(effect, 0), 1);
  EXPECT_EQ(silent->PlayingVoiceCount(), 1);
  silent->AdvanceTime(800);
  EXPECT_EQ(silent->PlayingVoiceCount(), 1) << "restarted, so still sounding after 1.1 s";
  silent->AdvanceTime(300);
  EXPECT_EQ(silent->PlayingVoiceCount(), 0);
}

TEST_F(Playback, OverlapsUseDuplicatesThatAreReleasedOnceFinished) {
  sounds.StartSoundSystem();
  const int effect = Load(SimpleWav(800));
  sounds.StartSound(effect, kSoundOverlap);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_EQ(silent->PlayingVoiceCount(), 2);
  EXPECT_EQ(silent->VoiceCount(), 3);
  silent->AdvanceTime(200);
  sounds.StartSound(effect, kSoundOverlap);
  EXPECT_EQ(silent->VoiceCount(), 2) << "the finished duplicates went before the new one";

  sounds.ReleaseSound(effect);
  EXPECT_EQ(silent->VoiceCount(), 0);
  EXPECT_EQ(silent->BufferCount(), 0);
}

TEST_F(Playback, HaltStopsOneOrEverySound) {
  sounds.StartSoundSystem();
  const int a = Load(SimpleWav(800));
  const int b = Load(SimpleWav(800));
  sounds.StartSound(a, kSoundLooped);
  sounds.StartSound(b, kSoundLooped);
  sounds.StartSound(b, kSoundOverlap | kSoundLooped);
  sounds.HaltSound(a);
  EXPECT_EQ(silent->PlayingVoiceCount(), 2);
  sounds.HaltSound(-1);
  EXPECT_EQ(silent->PlayingVoiceCount(), 0);
  sounds.HaltSound(12345);
}

TEST(SoundsWithoutDevice, EveryCallIsHarmless) {
  ScratchFolder folder;
  folder.Write("a.wav", SimpleWav(10));
  for (bool hasFactory : {false, true}) {
    Sounds sounds(hasFactory ? std::function<std::unique_ptr<SoundDevice>()>([] { return nullptr; })
                             : nullptr);
    EXPECT_EQ(sounds.StartSoundSystem(), 0);
    EXPECT_EQ(sounds.device(), nullptr);
    const int handle = sounds.LoadSoundFile(-1, folder.GamePath() + "a.wav");
    EXPECT_EQ(handle, 0);
    EXPECT_EQ(sounds.SoundExists(1), 0);
    EXPECT_EQ(sounds.StartSound(1, 0), 0);
    sounds.HaltSound(-1);
    sounds.ReleaseSound(1);
    sounds.Shutdown();
  }
}

TEST_F(SoundHandles, ShutdownFreesEverythingAndLaterCallsAreHarmless) {
  sounds.StartSoundSystem();
  const int effect = Load(SimpleWav(10));
  sounds.Shutdown();
  EXPECT_EQ(sounds.device(), nullptr);
  EXPECT_EQ(sounds.SoundExists(effect), 0);
  EXPECT_EQ(sounds.StartSound(effect, 0), 0);
  EXPECT_EQ(sounds.StartSoundSystem(), 0);
}

}  // namespace
}  // namespace vorantis
