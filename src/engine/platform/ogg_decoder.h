// The Ogg Vorbis sound decoder, decoding a whole stream from memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/sound.h"
#include "engine/sounds.h"

namespace vorantis {

// Decodes to signed 16-bit little-endian interleaved PCM, stopping at `limit` bytes
// (in whole frames). False for data that is not a readable Vorbis stream or gives no sound.
bool DecodeOgg(const std::vector<std::uint8_t>& data, Pcm& out, std::size_t limit = kDecodedSoundLimit);

void RegisterOggDecoder(Sounds& sounds);

}  // namespace vorantis
