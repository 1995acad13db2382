#include "engine/sounds.h"

#include <map>
#include <vector>

#include "engine/files.h"
#include "engine/wav_reader.h"

namespace vorantis {

namespace {

constexpr int kNewHandle = -1;
constexpr int kAllSounds = -1;

// A longer stream keeps its first kDecodedSoundLimit bytes, in whole frames.
void CutToLimit(Pcm& pcm) {
  if (pcm.bytes.size() <= kDecodedSoundLimit) return;
  const std::size_t frame = static_cast<std::size_t>(pcm.channels) * (pcm.bitsPerSample / 8);
  std::size_t keep = kDecodedSoundLimit;
  if (frame > 0) keep -= keep % frame;
  pcm.bytes.resize(keep);
  pcm.bytes.shrink_to_fit();
}

}  // namespace

struct Sounds::State {
  struct Sound {
    std::uint32_t buffer = 0;
    std::uint32_t voice = 0;
    std::vector<std::uint32_t> duplicates;
  };

  std::function<std::unique_ptr<SoundDevice>()> open;
  std::unique_ptr<SoundDevice> device;
  std::vector<SoundDecoder> decoders;
  std::map<int, Sound> sounds;
  int nextHandle = 1;

  Sound* Find(int handle) {
    auto it = sounds.find(handle);
    return it == sounds.end() ? nullptr : &it->second;
  }

  void Halt(Sound& sound) {
    device->Stop(sound.voice);
    device->Rewind(sound.voice);
    for (std::uint32_t duplicate : sound.duplicates) device->Stop(duplicate);
  }

  void Free(int handle) {
    auto it = sounds.find(handle);
    if (it == sounds.end()) return;
    Sound& sound = it->second;
    for (std::uint32_t duplicate : sound.duplicates) device->DestroyVoice(duplicate);
    device->DestroyVoice(sound.voice);
    device->DestroyBuffer(sound.buffer);
    sounds.erase(it);
  }

  void ReleaseFinishedDuplicates(Sound& sound) {
    std::erase_if(sound.duplicates, [this](std::uint32_t duplicate) {
      if (device->IsPlaying(duplicate)) return false;
      device->DestroyVoice(duplicate);
      return true;
    });
  }

  int UnusedHandle() {
    while (sounds.contains(nextHandle) || nextHandle <= 0) nextHandle = nextHandle <= 0 ? 1 : nextHandle + 1;
    return nextHandle++;
  }

  bool Decode(const std::vector<std::uint8_t>& data, Pcm& pcm) {
    if (IsRiffData(data)) return ReadWav(data, pcm);
    for (const SoundDecoder& decoder : decoders) {
      Pcm decoded;
      if (decoder(data, decoded)) {
        pcm = std::move(decoded);
        return true;
      }
    }
    return false;
  }
};

Sounds::Sounds(std::function<std::unique_ptr<SoundDevice>()> openDevice) : state_(std::make_unique<State>()) {
  state_->open = std::move(openDevice);
}

Sounds::~Sounds() {
  Shutdown();
}

void Sounds::RegisterSoundDecoder(SoundDecoder decoder) {
  if (decoder) state_->decoders.push_back(std::move(decoder));
}

int Sounds::StartSoundSystem() {
  State& s = *state_;
  if (!s.device && s.open) s.device = s.open();
  return s.device ? 1 : 0;
}

int Sounds::LoadSoundFile(int number, const std::string& path) {
  State& s = *state_;
  if (!s.device || (number != kNewHandle && number <= 0)) return 0;
  // The start of a longer file holds more than the decode keeps (kDecodedSoundLimit).
  auto data = ReadFileStart(path, kLargestWholeFile);
  if (!data) return 0;
  Pcm pcm;
  bool decoded = s.Decode(*data, pcm);
  data.reset();
  if (!decoded || pcm.bytes.empty()) return 0;
  CutToLimit(pcm);

  State::Sound sound;
  sound.buffer = s.device->CreateBuffer(pcm);
  if (sound.buffer == 0) return 0;
  sound.voice = s.device->CreateVoice(sound.buffer);
  if (sound.voice == 0) {
    s.device->DestroyBuffer(sound.buffer);
    return 0;
  }
  // Only now that the new sound exists does the number's old sound go.
  if (number != kNewHandle) s.Free(number);
  const int handle = number == kNewHandle ? s.UnusedHandle() : number;
  s.sounds[handle] = std::move(sound);
  return handle;
}

int Sounds::SoundExists(int sound) {
  return state_->Find(sound) ? 1 : 0;
}

int Sounds::StartSound(int handle, int flags) {
  State& s = *state_;
  State::Sound* sound = s.Find(handle);
  if (!sound) return 0;
  const bool looped = (flags & kSoundLooped) != 0;
  if ((flags & kSoundOverlap) == 0) {
    s.device->Stop(sound->voice);
    s.device->Rewind(sound->voice);
    s.device->Play(sound->voice, looped);
    return 1;
  }
  s.ReleaseFinishedDuplicates(*sound);
  const std::uint32_t duplicate = s.device->CreateVoice(sound->buffer);
  if (duplicate == 0) return 0;
  sound->duplicates.push_back(duplicate);
  s.device->Play(duplicate, looped);
  return 1;
}

void Sounds::HaltSound(int handle) {
  State& s = *state_;
  if (handle == kAllSounds) {
    for (auto& [number, sound] : s.sounds) s.Halt(sound);
    return;
  }
  if (State::Sound* sound = s.Find(handle)) s.Halt(*sound);
}

void Sounds::ReleaseSound(int handle) {
  state_->Free(handle);
}

SoundDevice* Sounds::device() {
  return state_->device.get();
}

void Sounds::Shutdown() {
  State& s = *state_;
  while (!s.sounds.empty()) s.Free(s.sounds.begin()->first);
  s.device.reset();
  // The sound system is gone for good: a later start does not reopen it.
  s.open = nullptr;
}

}  // namespace vorantis
