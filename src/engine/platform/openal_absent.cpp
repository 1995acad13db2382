// Built in place of the OpenAL device where OpenAL Soft is not available for the target: SDL's own
// audio output plays the sounds, and there is no loopback device.
#ifdef VORANTIS_WITHOUT_OPENAL
#include "engine/platform/openal_device.h"
#include "engine/platform/sdl_sound_device.h"

namespace vorantis {

std::unique_ptr<SoundDevice> OpenOpenAlDevice() {
  return OpenSdlSoundDevice();
}

std::unique_ptr<LoopbackSoundDevice> OpenLoopbackDevice(int, int) {
  return nullptr;
}

}  // namespace vorantis
#endif
