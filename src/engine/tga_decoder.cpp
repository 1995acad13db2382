#include "engine/tga_decoder.h"

#include <cstddef>

#include "engine/picture_budget.h"

namespace vorantis {

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr int kTypeTrueColour = 2;
constexpr int kTypeTrueColourRunLength = 10;

int Little16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8);
}

// Reads `count` pixels of `depth` bytes each, plain or run-length, into BGRA order.
bool ReadPixels(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t count, int depth,
                bool runLength, std::vector<std::uint8_t>& bgra) {
  bgra.resize(count * 4);
  std::size_t done = 0;
  auto readOne = [&](std::size_t pixel) {
    for (int c = 0; c < depth; ++c) bgra[pixel * 4 + c] = bytes[at + c];
    if (depth == 3) bgra[pixel * 4 + 3] = 255;
    at += depth;
  };
  while (done < count) {
    if (!runLength) {
      if (bytes.size() - at < static_cast<std::size_t>(depth)) return false;
      readOne(done++);
      continue;
    }
    if (at >= bytes.size()) return false;
    const std::uint8_t packet = bytes[at++];
    const std::size_t length = (packet & 0x7F) + 1u;
    if (length > count - done) return false;
    if (packet & 0x80) {
      if (bytes.size() - at < static_cast<std::size_t>(depth)) return false;
      readOne(done);
      for (std::size_t i = 1; i < length; ++i) {
        for (int c = 0; c < 4; ++c) bgra[(done + i) * 4 + c] = bgra[done * 4 + c];
      }
      done += length;
    } else {
      if ((bytes.size() - at) / depth < length) return false;
      for (std::size_t i = 0; i < length; ++i) readOne(done++);
    }
  }
  return true;
}

}  // namespace

bool DecodeTga(const std::vector<std::uint8_t>& bytes, Image& out) {
  if (bytes.size() < kHeaderSize) return false;
  const int idLength = bytes[0];
  const int mapType = bytes[1];
  const int imageType = bytes[2];
  const int mapLength = Little16(bytes, 5);
  const int mapEntryBits = bytes[7];
  const int width = Little16(bytes, 12);
  const int height = Little16(bytes, 14);
  const int bits = bytes[16];
  const int descriptor = bytes[17];
  if (mapType > 1 || (imageType != kTypeTrueColour && imageType != kTypeTrueColourRunLength)) return false;
  if ((bits != 24 && bits != 32) || width == 0 || height == 0) return false;

  // A colour map may precede true-colour pixels; it is skipped.
  const std::size_t mapBytes =
      mapType == 1 ? static_cast<std::size_t>(mapLength) * ((mapEntryBits + 7) / 8) : 0;
  const std::size_t pixelsAt = kHeaderSize + idLength + mapBytes;
  if (pixelsAt > bytes.size()) return false;

  const int depth = bits / 8;
  const bool runLength = imageType == kTypeTrueColourRunLength;
  const std::size_t count = static_cast<std::size_t>(width) * height;
  // The fewest bytes that code that many pixels: each pixel plain, or one repeat packet
  // per 128 pixels. A header that claims more than the file holds is refused unread.
  const std::size_t fewestBytes = runLength ? (count + 127) / 128 * (1 + depth) : count * depth;
  if (!WithinPictureBudget(width, height) || fewestBytes > bytes.size() - pixelsAt) return false;
  std::vector<std::uint8_t> bgra;
  if (!ReadPixels(bytes, pixelsAt, count, depth, runLength, bgra)) return false;

  const bool hasAlpha = bits == 32 && (descriptor & 0x0F) != 0;
  const bool rightToLeft = (descriptor & 0x10) != 0;
  const bool topDown = (descriptor & 0x20) != 0;
  out.width = width;
  out.height = height;
  out.hasAlpha = hasAlpha;
  out.rgba.assign(count * 4, 0);
  for (int row = 0; row < height; ++row) {
    const int sourceRow = topDown ? row : height - 1 - row;
    for (int column = 0; column < width; ++column) {
      const int sourceColumn = rightToLeft ? width - 1 - column : column;
      const std::uint8_t* p = &bgra[(static_cast<std::size_t>(sourceRow) * width + sourceColumn) * 4];
      std::uint8_t* q = &out.rgba[(static_cast<std::size_t>(row) * width + column) * 4];
      q[0] = p[2];
      q[1] = p[1];
      q[2] = p[0];
      q[3] = hasAlpha ? p[3] : 255;
    }
  }
  return true;
}

}  // namespace vorantis
