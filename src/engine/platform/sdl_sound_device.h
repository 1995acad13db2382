// Sound output through SDL's own audio, for targets without OpenAL Soft.
#pragma once

#include <memory>

#include "engine/backends.h"

namespace vorantis {

// The default output device, mixing every playing voice; nullptr when none opens.
std::unique_ptr<SoundDevice> OpenSdlSoundDevice();

}  // namespace vorantis
