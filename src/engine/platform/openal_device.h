// Sound devices on OpenAL Soft: the default output device, and a loopback device
// that renders on demand (deterministic, no sound card needed) for tests.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/backends.h"

namespace vorantis {

// The default output device; nullptr when none opens (the game then runs silent).
std::unique_ptr<SoundDevice> OpenOpenAlDevice();

// A device whose mix is taken by RenderFrames instead of going to a sound card.
class LoopbackSoundDevice : public SoundDevice {
 public:
  // The next `frames` sample frames of the mix: signed 16-bit, interleaved.
  virtual std::vector<std::int16_t> RenderFrames(int frames) = 0;
  virtual int channels() const = 0;
  virtual int rate() const = 0;
};

// A loopback device mixing to `channels` (1 or 2) at `rate` Hz; nullptr when unsupported.
std::unique_ptr<LoopbackSoundDevice> OpenLoopbackDevice(int rate, int channels);

}  // namespace vorantis
