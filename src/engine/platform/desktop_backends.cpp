#include "engine/platform/desktop_backends.h"

#include "engine/headless.h"

namespace vorantis {

// Placeholder until the SDL, GL and AL bindings land.
Backends MakeDesktopBackends() {
  Backends b;
  b.display = std::make_unique<HeadlessDisplay>(800, 600);
  b.clock = std::make_unique<VirtualClock>();
  return b;
}

}  // namespace vorantis
