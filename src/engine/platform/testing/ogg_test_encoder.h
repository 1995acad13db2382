// Test support: encodes PCM to Ogg Vorbis so that tests make their own sound files.
#pragma once

#include <cstdint>
#include <vector>

namespace vorantis {

// `samples` are interleaved; an empty result means the encoder refused the input.
std::vector<std::uint8_t> EncodeOggForTests(const std::vector<std::int16_t>& samples, int channels, int rate);

}  // namespace vorantis
