// Decoded sound as the engine keeps it in memory, and the decoders that make it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vorantis {

// Signed 16-bit little-endian interleaved PCM (or, for WAV data, the file's own format).
struct Pcm {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 16;
  std::vector<std::uint8_t> bytes;
};

// A decoder answers true and fills the result when it accepts the bytes.
using SoundDecoder = std::function<bool(const std::vector<std::uint8_t>&, Pcm&)>;

}  // namespace vorantis
