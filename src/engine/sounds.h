// Sound services: sounds decoded whole into memory, played once, looped or overlapping.
// Handles are small integers; 0 is none; calls on invalid handles are harmless.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/backends.h"
#include "engine/sound.h"

namespace vorantis {

inline constexpr int kSoundLooped = 1;
inline constexpr int kSoundOverlap = 2;
inline constexpr std::size_t kDecodedSoundLimit = 64000000;

class Sounds {
 public:
  explicit Sounds(std::function<std::unique_ptr<SoundDevice>()> openDevice);
  ~Sounds();
  Sounds(const Sounds&) = delete;
  Sounds& operator=(const Sounds&) = delete;

  void RegisterSoundDecoder(SoundDecoder decoder);

  // Non-zero on success; without a device every later call is harmless.
  int StartSoundSystem();
  int LoadSoundFile(int number, const std::string& path);
  int SoundExists(int sound);
  int StartSound(int sound, int flags);
  void HaltSound(int sound);  // -1: every sound
  void ReleaseSound(int sound);

  // For tests: the device in use (nullptr when silent).
  SoundDevice* device();
  // Frees every sound and the device (end of program).
  void Shutdown();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorantis
