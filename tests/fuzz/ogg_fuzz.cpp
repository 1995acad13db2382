// The Ogg Vorbis decoder: whole streams, and the same stream cut at a smaller limit.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/platform/ogg_decoder.h"

using namespace vorantis;

namespace {

void CheckWhole(const Pcm& pcm, std::size_t limit) {
  if (pcm.channels <= 0 || pcm.sampleRate <= 0 || pcm.bitsPerSample != 16 || pcm.bytes.empty()) std::abort();
  if (pcm.bytes.size() % (static_cast<std::size_t>(pcm.channels) * 2) != 0 || pcm.bytes.size() > limit)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Pcm whole;
  if (!DecodeOgg(bytes, whole)) return 0;
  CheckWhole(whole, kDecodedSoundLimit);
  // A limit that is no whole number of frames keeps the frames that fit, a prefix of the whole.
  const std::size_t limit = whole.bytes.size() / 2 + 1;
  Pcm cut;
  if (!DecodeOgg(bytes, cut, limit)) return 0;
  CheckWhole(cut, limit);
  if (cut.channels != whole.channels || !std::equal(cut.bytes.begin(), cut.bytes.end(), whole.bytes.begin()))
    std::abort();
  return 0;
}
