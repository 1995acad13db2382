#include "engine/platform/openal_device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <map>

namespace vorantis {

namespace {

ALenum FormatOf(const Pcm& pcm) {
  if (pcm.channels == 1 && pcm.bitsPerSample == 8) return AL_FORMAT_MONO8;
  if (pcm.channels == 1 && pcm.bitsPerSample == 16) return AL_FORMAT_MONO16;
  if (pcm.channels == 2 && pcm.bitsPerSample == 8) return AL_FORMAT_STEREO8;
  if (pcm.channels == 2 && pcm.bitsPerSample == 16) return AL_FORMAT_STEREO16;
  return AL_NONE;
}

// Buffers and voices (sources) of one OpenAL context. Every call makes the
// context current first, so several devices may live side by side.
class OpenAlDevice : public LoopbackSoundDevice {
 public:
  OpenAlDevice(ALCdevice* device, ALCcontext* context, int rate, int channels, LPALCRENDERSAMPLESSOFT render)
      : device_(device), context_(context), rate_(rate), channels_(channels), render_(render) {}

  ~OpenAlDevice() override {
    Use();
    for (auto& [source, buffer] : sources_) alDeleteSources(1, &source);
    for (ALuint buffer : buffers_) alDeleteBuffers(1, &buffer);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
  }

  std::uint32_t CreateBuffer(const Pcm& pcm) override {
    const ALenum format = FormatOf(pcm);
    if (format == AL_NONE || pcm.sampleRate <= 0 || pcm.bytes.empty()) return 0;
    Use();
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) return 0;
    alBufferData(buffer, format, pcm.bytes.data(), static_cast<ALsizei>(pcm.bytes.size()), pcm.sampleRate);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteBuffers(1, &buffer);
      return 0;
    }
    buffers_.push_back(buffer);
    return buffer;
  }

  void DestroyBuffer(std::uint32_t buffer) override {
    if (std::erase(buffers_, buffer) == 0) return;
    Use();
    // A buffer still attached cannot be deleted: its voices go first.
    std::erase_if(sources_, [buffer](const auto& entry) {
      if (entry.second != buffer) return false;
      ALuint source = entry.first;
      alDeleteSources(1, &source);
      return true;
    });
    ALuint name = buffer;
    alDeleteBuffers(1, &name);
  }

  std::uint32_t CreateVoice(std::uint32_t buffer) override {
    if (std::find(buffers_.begin(), buffers_.end(), buffer) == buffers_.end()) return 0;
    Use();
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return 0;
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
    // Sounds are not placed in space: play them as they are, centred.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    if (alGetError() != AL_NO_ERROR) {
      alDeleteSources(1, &source);
      return 0;
    }
    sources_[source] = buffer;
    return source;
  }

  void DestroyVoice(std::uint32_t voice) override {
    if (sources_.erase(voice) == 0) return;
    Use();
    ALuint source = voice;
    alDeleteSources(1, &source);
  }

  void Play(std::uint32_t voice, bool looped) override {
    if (!sources_.contains(voice)) return;
    Use();
    alSourcei(voice, AL_LOOPING, looped ? AL_TRUE : AL_FALSE);
    alSourcePlay(voice);
  }

  void Stop(std::uint32_t voice) override {
    if (!sources_.contains(voice)) return;
    Use();
    // Pausing keeps the position, as stopping a platform buffer does.
    if (State(voice) == AL_PLAYING) alSourcePause(voice);
  }

  void Rewind(std::uint32_t voice) override {
    if (!sources_.contains(voice)) return;
    Use();
    alSourceRewind(voice);
  }

  bool IsPlaying(std::uint32_t voice) override {
    if (!sources_.contains(voice)) return false;
    Use();
    return State(voice) == AL_PLAYING;
  }

  std::vector<std::int16_t> RenderFrames(int frames) override {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames > 0 ? frames : 0) * channels_);
    if (!render_ || frames <= 0) return out;
    Use();
    render_(device_, out.data(), frames);
    return out;
  }
  int channels() const override { return channels_; }
  int rate() const override { return rate_; }

 private:
  void Use() {
    if (alcGetCurrentContext() != context_) alcMakeContextCurrent(context_);
  }
  static ALint State(ALuint source) {
    ALint state = AL_INITIAL;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
  }

  ALCdevice* device_;
  ALCcontext* context_;
  int rate_;
  int channels_;
  LPALCRENDERSAMPLESSOFT render_;
  std::vector<std::uint32_t> buffers_;
  std::map<std::uint32_t, std::uint32_t> sources_;  // voice -> its buffer
};

}  // namespace

std::unique_ptr<SoundDevice> OpenOpenAlDevice() {
  ALCdevice* device = alcOpenDevice(nullptr);
  if (!device) return nullptr;
  ALCcontext* context = alcCreateContext(device, nullptr);
  if (!context || !alcMakeContextCurrent(context)) {
    if (context) alcDestroyContext(context);
    alcCloseDevice(device);
    return nullptr;
  }
  ALCint rate = 0;
  alcGetIntegerv(device, ALC_FREQUENCY, 1, &rate);
  return std::make_unique<OpenAlDevice>(device, context, rate, 2, nullptr);
}

std::unique_ptr<LoopbackSoundDevice> OpenLoopbackDevice(int rate, int channels) {
  if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") || rate <= 0 || (channels != 1 && channels != 2))
    return nullptr;
  auto openLoopback =
      reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  auto isSupported = reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(
      alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
  auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
  if (!openLoopback || !isSupported || !render) return nullptr;

  ALCdevice* device = openLoopback(nullptr);
  if (!device) return nullptr;
  const ALCenum layout = channels == 1 ? ALC_MONO_SOFT : ALC_STEREO_SOFT;
  if (!isSupported(device, rate, layout, ALC_SHORT_SOFT)) {
    alcCloseDevice(device);
    return nullptr;
  }
  // No spatial effects: what is rendered is the plain sum of the playing sounds.
  const ALCint attributes[] = {ALC_FREQUENCY,
                               rate,
                               ALC_FORMAT_CHANNELS_SOFT,
                               layout,
                               ALC_FORMAT_TYPE_SOFT,
                               ALC_SHORT_SOFT,
                               ALC_HRTF_SOFT,
                               ALC_FALSE,
                               0};
  ALCcontext* context = alcCreateContext(device, attributes);
  if (!context || !alcMakeContextCurrent(context)) {
    if (context) alcDestroyContext(context);
    alcCloseDevice(device);
    return nullptr;
  }
  return std::make_unique<OpenAlDevice>(device, context, rate, channels, render);
}

}  // namespace vorantis
