// One picture decoder, chosen at build time (VORANTIS_DECODER), fed raw bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/platform/image_decoders.h"
#include "engine/tga_decoder.h"

using namespace vorantis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Image image;
  if (!VORANTIS_DECODER(bytes, image)) return 0;
  // An accepted picture is whole: a positive size and every pixel present.
  if (image.width <= 0 || image.height <= 0) std::abort();
  if (image.rgba.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4)
    std::abort();
  return 0;
}
