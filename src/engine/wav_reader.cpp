#include "engine/wav_reader.h"

#include <algorithm>
#include <cstring>

namespace vorantis {

namespace {

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::uint16_t kPcmTag = 1;

std::uint32_t Read32(const std::vector<std::uint8_t>& d, std::size_t at) {
  return static_cast<std::uint32_t>(d[at]) | static_cast<std::uint32_t>(d[at + 1]) << 8 |
         static_cast<std::uint32_t>(d[at + 2]) << 16 | static_cast<std::uint32_t>(d[at + 3]) << 24;
}

std::uint16_t Read16(const std::vector<std::uint8_t>& d, std::size_t at) {
  return static_cast<std::uint16_t>(d[at] | d[at + 1] << 8);
}

bool IdAt(const std::vector<std::uint8_t>& d, std::size_t at, const char* id) {
  return at + 4 <= d.size() && std::memcmp(d.data() + at, id, 4) == 0;
}

}  // namespace

bool IsRiffData(const std::vector<std::uint8_t>& data) {
  return IdAt(data, 0, "RIFF");
}

bool ReadWav(const std::vector<std::uint8_t>& data, Pcm& out) {
  const std::size_t size = data.size();
  if (!IsRiffData(data) || !IdAt(data, kRiffHeaderSize, "fmt ")) return false;
  if (kRiffHeaderSize + kChunkHeaderSize > size) return false;
  const std::size_t formatStart = kRiffHeaderSize + kChunkHeaderSize;
  const std::size_t formatSize = Read32(data, kRiffHeaderSize + 4);
  if (formatSize < kPcmFormatSize || formatSize > size - formatStart) return false;

  const std::uint16_t tag = Read16(data, formatStart);
  const int channels = Read16(data, formatStart + 2);
  const std::uint32_t rate = Read32(data, formatStart + 4);
  const int bits = Read16(data, formatStart + 14);
  if (tag != kPcmTag || (channels != 1 && channels != 2) || (bits != 8 && bits != 16)) return false;
  if (rate == 0 || rate > 1000000) return false;

  // Chunks are word aligned: an odd length is followed by one pad byte.
  std::size_t at = formatStart + formatSize + (formatSize & 1);
  while (at <= size && size - at >= kChunkHeaderSize) {
    const std::size_t length = Read32(data, at + 4);
    const std::size_t body = at + kChunkHeaderSize;
    if (IdAt(data, at, "data")) {
      // A data chunk longer than the file keeps what is there, in whole frames.
      std::size_t available = std::min(length, size - body);
      const std::size_t frame = static_cast<std::size_t>(channels) * (bits / 8);
      available -= available % frame;
      out.channels = channels;
      out.sampleRate = static_cast<int>(rate);
      out.bitsPerSample = bits;
      out.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(body),
                       data.begin() + static_cast<std::ptrdiff_t>(body + available));
      return true;
    }
    if (length > size - body) return false;
    at = body + length + (length & 1);
  }
  return false;
}

}  // namespace vorantis
