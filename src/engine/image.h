// Decoded pictures and sounds as the engine keeps them in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
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

// Signed 16-bit little-endian interleaved PCM (or, for WAV data, the file's own format).
struct Pcm {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 16;
  std::vector<std::uint8_t> bytes;
};

// A decoder answers true and fills the result when it accepts the bytes.
using ImageDecoder = std::function<bool(const std::vector<std::uint8_t>&, Image&)>;
using SoundDecoder = std::function<bool(const std::vector<std::uint8_t>&, Pcm&)>;

}  // namespace vorantis
