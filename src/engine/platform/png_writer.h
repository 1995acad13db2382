// Saves a picture as an 8-bit RGB PNG (the alpha channel is left out: frames of the
// screen are opaque).
#pragma once

#include <string>

#include "engine/image.h"

namespace vorantis {

// Platform path; false when the image is empty or the file cannot be written.
bool WritePng(const std::string& path, const Image& image);

}  // namespace vorantis
