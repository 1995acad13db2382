// Decoded pictures as the engine keeps them in memory, and the decoders that make them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vorantis {

// 8-bit RGBA, top row first, no padding. `hasAlpha` is true when the file carried
// an alpha channel of its own (only mode bit 8 sprites use it).
struct Image {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;
  std::vector<std::uint8_t> rgba;
};

// A decoder answers true and fills the result when it accepts the bytes.
using ImageDecoder = std::function<bool(const std::vector<std::uint8_t>&, Image&)>;

}  // namespace vorantis
