// The engine's own reader for RIFF WAV data holding uncompressed PCM.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/sound.h"

namespace vorantis {

// True when the data starts with "RIFF": such data is read as WAV and never offered to decoders.
bool IsRiffData(const std::vector<std::uint8_t>& data);

// Fills `out` from a PCM WAV (8 or 16 bits, mono or stereo). The "fmt " chunk must
// directly follow the 12-byte header; later chunks are walked by their lengths to
// "data". False for any other layout, a chunk running past the data's end before
// "data" is found, or a format other than PCM.
bool ReadWav(const std::vector<std::uint8_t>& data, Pcm& out);

}  // namespace vorantis
