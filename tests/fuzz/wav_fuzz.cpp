// The engine's WAV reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/wav_reader.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Pcm pcm;
  if (!ReadWav(bytes, pcm)) return 0;
  if (!IsRiffData(bytes)) std::abort();
  if (pcm.channels <= 0 || pcm.sampleRate <= 0 || (pcm.bitsPerSample != 8 && pcm.bitsPerSample != 16))
    std::abort();
  const std::size_t frame =
      static_cast<std::size_t>(pcm.channels) * static_cast<std::size_t>(pcm.bitsPerSample / 8);
  if (pcm.bytes.size() % frame != 0 || pcm.bytes.size() > size) std::abort();
  return 0;
}
