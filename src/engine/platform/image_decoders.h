// The picture decoders the engine registers at start-up: PNG, JPEG and TIFF through
// their libraries, and the engine's own TGA reader.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/image.h"

namespace vorantis {

class Screen;

// Registers PNG, JPEG, TIFF and TGA, in that order.
void RegisterImageDecoders(Screen& screen);

// Each answers false, without crashing, for anything it cannot fully decode.
bool DecodePng(const std::vector<std::uint8_t>& bytes, Image& out);
bool DecodeJpeg(const std::vector<std::uint8_t>& bytes, Image& out);
bool DecodeTiff(const std::vector<std::uint8_t>& bytes, Image& out);

}  // namespace vorantis
