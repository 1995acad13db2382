// The engine's own reader for true-colour TGA pictures (24 or 32 bits, plain or
// run-length), needing no codec library.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/image.h"

namespace vorantis {

// Answers true and fills `out` (RGBA, top row first) when the bytes are such a
// picture; anything else, truncated data included, answers false.
bool DecodeTga(const std::vector<std::uint8_t>& bytes, Image& out);

}  // namespace vorantis
