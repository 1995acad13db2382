#include "engine/silent_sound_device.h"

namespace vorantis {

std::uint32_t SilentSoundDevice::CreateBuffer(const Pcm& pcm) {
  const int frameBytes = pcm.channels * (pcm.bitsPerSample / 8);
  if (frameBytes <= 0 || pcm.sampleRate <= 0 || pcm.bytes.empty()) return 0;
  const std::uint32_t id = nextId_++;
  buffers_[id] =
      Buffer{pcm.bytes.size(), static_cast<std::int64_t>(pcm.bytes.size() / frameBytes), pcm.sampleRate};
  return id;
}

void SilentSoundDevice::DestroyBuffer(std::uint32_t buffer) {
  // As with a real device, the voices of a buffer go with it.
  std::erase_if(voices_, [buffer](const auto& entry) { return entry.second.buffer == buffer; });
  buffers_.erase(buffer);
}

std::uint32_t SilentSoundDevice::CreateVoice(std::uint32_t buffer) {
  if (!buffers_.contains(buffer)) return 0;
  const std::uint32_t id = nextId_++;
  voices_[id] = Voice{buffer, false, false, 0};
  return id;
}

void SilentSoundDevice::DestroyVoice(std::uint32_t voice) {
  voices_.erase(voice);
}

void SilentSoundDevice::Play(std::uint32_t voice, bool looped) {
  auto it = voices_.find(voice);
  if (it == voices_.end()) return;
  // A voice that ran to its end starts again from the beginning.
  if (!it->second.playing && it->second.position >= buffers_[it->second.buffer].frames)
    it->second.position = 0;
  it->second.playing = true;
  it->second.looped = looped;
}

void SilentSoundDevice::Stop(std::uint32_t voice) {
  auto it = voices_.find(voice);
  if (it != voices_.end()) it->second.playing = false;
}

void SilentSoundDevice::Rewind(std::uint32_t voice) {
  auto it = voices_.find(voice);
  if (it != voices_.end()) it->second.position = 0;
}

bool SilentSoundDevice::IsPlaying(std::uint32_t voice) {
  auto it = voices_.find(voice);
  return it != voices_.end() && it->second.playing;
}

void SilentSoundDevice::AdvanceTime(int milliseconds) {
  if (milliseconds <= 0) return;
  for (auto& [id, voice] : voices_) {
    if (!voice.playing) continue;
    const Buffer& buffer = buffers_[voice.buffer];
    voice.position += static_cast<std::int64_t>(buffer.sampleRate) * milliseconds / 1000;
    if (voice.position < buffer.frames) continue;
    if (voice.looped) {
      voice.position %= buffer.frames;
    } else {
      voice.position = buffer.frames;
      voice.playing = false;
    }
  }
}

int SilentSoundDevice::PlayingVoiceCount() const {
  int count = 0;
  for (const auto& [id, voice] : voices_) count += voice.playing ? 1 : 0;
  return count;
}

std::size_t SilentSoundDevice::TotalBufferBytes() const {
  std::size_t total = 0;
  for (const auto& [id, buffer] : buffers_) total += buffer.bytes;
  return total;
}

std::int64_t SilentSoundDevice::VoicePosition(std::uint32_t voice) const {
  auto it = voices_.find(voice);
  return it == voices_.end() ? 0 : it->second.position;
}

bool SilentSoundDevice::VoiceLooped(std::uint32_t voice) const {
  auto it = voices_.find(voice);
  return it != voices_.end() && it->second.looped;
}

}  // namespace vorantis
