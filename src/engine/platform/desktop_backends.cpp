#include "engine/platform/desktop_backends.h"

#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "engine/platform/openal_device.h"
#include "engine/platform/real_clock.h"
#include "engine/platform/sdl_display.h"
#include "engine/platform/sdl_input.h"
#include "engine/screen.h"
#include "engine/sounds.h"

namespace vorantis {

Backends MakeDesktopBackends() {
  Backends b;
  b.display = MakeSdlDisplay();
  b.clock = MakeRealClock();
  b.input = MakeSdlInput();
  b.openSound = [] { return OpenOpenAlDevice(); };
  b.registerDecoders = [](Screen& screen, Sounds& sounds) {
    RegisterImageDecoders(screen);
    RegisterOggDecoder(sounds);
  };
  return b;
}

}  // namespace vorantis
