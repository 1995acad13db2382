// Placeholder until the sound services land.
#include "engine/sounds.h"

namespace vorantis {
struct Sounds::State {
  std::function<std::unique_ptr<SoundDevice>()> open;
  std::unique_ptr<SoundDevice> device;
};
Sounds::Sounds(std::function<std::unique_ptr<SoundDevice>()> open)
    : state_(new State{std::move(open), nullptr}) {}
Sounds::~Sounds() = default;
void Sounds::RegisterSoundDecoder(SoundDecoder) {}
int Sounds::StartSoundSystem() {
  return 0;
}
int Sounds::LoadSoundFile(int, const std::string&) {
  return 0;
}
int Sounds::SoundExists(int) {
  return 0;
}
int Sounds::StartSound(int, int) {
  return 0;
}
void Sounds::HaltSound(int) {}
void Sounds::ReleaseSound(int) {}
SoundDevice* Sounds::device() {
  return state_->device.get();
}
void Sounds::Shutdown() {
  state_->device.reset();
}
}  // namespace vorantis
