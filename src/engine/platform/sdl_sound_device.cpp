#include "engine/platform/sdl_sound_device.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace vorantis {

namespace {

using Samples = std::vector<std::int16_t>;  // interleaved stereo at the device's rate

// Buffers are converted to the device's format when made, so the mix only adds.
class SdlSoundDevice : public SoundDevice {
 public:
  SdlSoundDevice() = default;
  SdlSoundDevice(const SdlSoundDevice&) = delete;
  SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

  bool Open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = &SdlSoundDevice::Mix;
    want.userdata = this;
    SDL_AudioSpec have{};
    id_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id_ == 0) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    rate_ = have.freq;
    SDL_PauseAudioDevice(id_, 0);
    return true;
  }

  ~SdlSoundDevice() override {
    if (id_ == 0) return;
    SDL_CloseAudioDevice(id_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  std::uint32_t CreateBuffer(const Pcm& pcm) override {
    const SDL_AudioFormat format = pcm.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    if ((pcm.bitsPerSample != 8 && pcm.bitsPerSample != 16) || (pcm.channels != 1 && pcm.channels != 2) ||
        pcm.sampleRate <= 0 || pcm.bytes.empty())
      return 0;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, format, static_cast<Uint8>(pcm.channels), pcm.sampleRate, AUDIO_S16SYS, 2,
                          rate_) < 0)
      return 0;
    const std::size_t frameBytes = static_cast<std::size_t>(pcm.channels * pcm.bitsPerSample / 8);
    const std::size_t length = pcm.bytes.size() / frameBytes * frameBytes;
    std::vector<Uint8> work(length * static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(work.data(), pcm.bytes.data(), length);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0) return 0;
    auto samples = std::make_shared<Samples>(static_cast<std::size_t>(cvt.len_cvt) / 4 * 2);
    std::memcpy(samples->data(), work.data(), samples->size() * sizeof(std::int16_t));
    const std::uint32_t buffer = next_++;
    buffers_[buffer] = std::move(samples);
    return buffer;
  }

  void DestroyBuffer(std::uint32_t buffer) override {
    SDL_LockAudioDevice(id_);
    std::erase_if(voices_, [buffer](const auto& entry) { return entry.second.buffer == buffer; });
    SDL_UnlockAudioDevice(id_);
    buffers_.erase(buffer);
  }

  std::uint32_t CreateVoice(std::uint32_t buffer) override {
    const auto found = buffers_.find(buffer);
    if (found == buffers_.end()) return 0;
    const std::uint32_t voice = next_++;
    SDL_LockAudioDevice(id_);
    voices_[voice] = Voice{buffer, found->second};
    SDL_UnlockAudioDevice(id_);
    return voice;
  }

  void DestroyVoice(std::uint32_t voice) override {
    SDL_LockAudioDevice(id_);
    voices_.erase(voice);
    SDL_UnlockAudioDevice(id_);
  }

  void Play(std::uint32_t voice, bool looped) override {
    Change(voice, [looped](Voice& v) {
      // A voice that ran to its end starts again; a stopped one goes on where it was.
      if (v.position >= v.samples->size()) v.position = 0;
      v.looped = looped;
      v.playing = true;
    });
  }
  void Stop(std::uint32_t voice) override {
    Change(voice, [](Voice& v) { v.playing = false; });
  }
  void Rewind(std::uint32_t voice) override {
    Change(voice, [](Voice& v) {
      v.playing = false;
      v.position = 0;
    });
  }
  bool IsPlaying(std::uint32_t voice) override {
    bool playing = false;
    Change(voice, [&playing](Voice& v) { playing = v.playing; });
    return playing;
  }

 private:
  struct Voice {
    std::uint32_t buffer = 0;
    std::shared_ptr<const Samples> samples;
    std::size_t position = 0;  // in samples, a multiple of 2
    bool playing = false;
    bool looped = false;
  };

  template <typename F>
  void Change(std::uint32_t voice, F change) {
    SDL_LockAudioDevice(id_);
    const auto found = voices_.find(voice);
    if (found != voices_.end()) change(found->second);
    SDL_UnlockAudioDevice(id_);
  }

  // SDL's audio thread, with the device locked: the sum of the playing voices, clipped.
  static void SDLCALL Mix(void* self, Uint8* stream, int length) {
    auto& device = *static_cast<SdlSoundDevice*>(self);
    const std::size_t count = static_cast<std::size_t>(length) / sizeof(std::int16_t);
    std::vector<std::int32_t>& sum = device.mix_;
    sum.assign(count, 0);
    for (auto& [id, voice] : device.voices_) {
      const Samples& samples = *voice.samples;
      for (std::size_t i = 0; voice.playing && i < count; ++i) {
        if (voice.position >= samples.size()) {
          if (!voice.looped) {
            voice.playing = false;
            break;
          }
          voice.position = 0;
        }
        sum[i] += samples[voice.position++];
      }
    }
    for (std::size_t i = 0; i < count; ++i) {
      const std::int16_t sample = static_cast<std::int16_t>(std::clamp(sum[i], -32768, 32767));
      std::memcpy(stream + i * sizeof(sample), &sample, sizeof(sample));
    }
  }

  SDL_AudioDeviceID id_ = 0;
  int rate_ = 44100;
  std::uint32_t next_ = 1;
  std::map<std::uint32_t, std::shared_ptr<const Samples>> buffers_;
  std::map<std::uint32_t, Voice> voices_;
  std::vector<std::int32_t> mix_;  // the audio thread's own
};

}  // namespace

std::unique_ptr<SoundDevice> OpenSdlSoundDevice() {
  auto device = std::make_unique<SdlSoundDevice>();
  if (!device->Open()) return nullptr;
  return device;
}

}  // namespace vorantis
