#include "engine_parts.h"

#include <cstdlib>

#include "engine/platform/gl_renderer.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "engine/silent_sound_device.h"
#include "engine/sounds.h"

namespace vorantis::replay {

std::unique_ptr<Renderer> MakeOffscreenRenderer(int width, int height) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  return MakeOffscreenGlRenderer(width, height);
}

std::function<std::unique_ptr<SoundDevice>()> SilentSoundFactory() {
  return [] { return std::make_unique<SilentSoundDevice>(); };
}

void AdvanceSilentSound(Sounds& sounds, std::uint32_t milliseconds) {
  if (auto* silent = dynamic_cast<SilentSoundDevice*>(sounds.device())) {
    silent->AdvanceTime(static_cast<int>(milliseconds));
  }
}

std::function<void(Screen&, Sounds&)> DecoderRegistration() {
  return [](Screen& screen, Sounds& sounds) {
    RegisterImageDecoders(screen);
    RegisterOggDecoder(sounds);
  };
}

}  // namespace vorantis::replay
