// A sound device without output: buffers and voices exist and keep their play state,
// so sounds load and play logically where there is no sound card (replays, tests).
#pragma once

#include <cstdint>
#include <map>

#include "engine/backends.h"

namespace vorantis {

class SilentSoundDevice : public SoundDevice {
 public:
  std::uint32_t CreateBuffer(const Pcm& pcm) override;
  void DestroyBuffer(std::uint32_t buffer) override;
  std::uint32_t CreateVoice(std::uint32_t buffer) override;
  void DestroyVoice(std::uint32_t voice) override;
  void Play(std::uint32_t voice, bool looped) override;
  void Stop(std::uint32_t voice) override;
  void Rewind(std::uint32_t voice) override;
  bool IsPlaying(std::uint32_t voice) override;

  // Moves every playing voice on by that much sound; voices played once stop at their end.
  // Without it a voice played once sounds until it is stopped.
  void AdvanceTime(int milliseconds);

  int BufferCount() const { return static_cast<int>(buffers_.size()); }
  int VoiceCount() const { return static_cast<int>(voices_.size()); }
  int PlayingVoiceCount() const;
  // The bytes held by all buffers together.
  std::size_t TotalBufferBytes() const;
  // Sample frames played so far by a voice since its last rewind.
  std::int64_t VoicePosition(std::uint32_t voice) const;
  bool VoiceLooped(std::uint32_t voice) const;

 private:
  struct Buffer {
    std::size_t bytes = 0;
    std::int64_t frames = 0;
    int sampleRate = 0;
  };
  struct Voice {
    std::uint32_t buffer = 0;
    bool playing = false;
    bool looped = false;
    std::int64_t position = 0;
  };
  std::map<std::uint32_t, Buffer> buffers_;
  std::map<std::uint32_t, Voice> voices_;
  std::uint32_t nextId_ = 1;
};

}  // namespace vorantis
