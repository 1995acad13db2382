// Hand-made PNG, JPEG, TIFF and TGA files: headers that claim any size, and small
// pictures with real data, for the tests of hostile pictures.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace vorantis::testing {

inline std::string BigEndian(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

// The CRC of PNG chunks (reflected 0xEDB88320).
inline std::uint32_t PngCrc(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

inline std::string PngChunk(const std::string& type, const std::string& data) {
  return BigEndian(static_cast<std::uint32_t>(data.size()), 4) + type + data +
         BigEndian(PngCrc(type + data), 4);
}

// A zlib stream of stored (uncompressed) deflate blocks.
inline std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
    const bool last = at + length == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += LittleEndian(static_cast<std::uint32_t>(length), 2) +
           LittleEndian(static_cast<std::uint32_t>(~length), 2);
    out += raw.substr(at, length);
    at += length;
  } while (at < raw.size());
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return out + BigEndian(b << 16 | a, 4);
}

inline std::string PngHeader(std::uint32_t width, std::uint32_t height, int depth, int colourType) {
  return "\x89PNG\r\n\x1a\n" +
         PngChunk("IHDR", BigEndian(width, 4) + BigEndian(height, 4) + static_cast<char>(depth) +
                              static_cast<char>(colourType) + std::string(3, '\0'));
}

// A PNG whose header claims width x height 8-bit RGBA, with `idat` as its only data.
inline std::string LyingPng(std::uint32_t width, std::uint32_t height, const std::string& idat = "") {
  return PngHeader(width, height, 8, 6) + PngChunk("IDAT", idat) + PngChunk("IEND", "");
}

// A real black 1-bit grey picture.
inline std::string BlackPng(std::uint32_t width, std::uint32_t height) {
  std::string raw;
  for (std::uint32_t row = 0; row < height; ++row) raw += std::string(1 + (width + 7) / 8, '\0');
  return PngHeader(width, height, 1, 0) + PngChunk("IDAT", StoredZlib(raw)) + PngChunk("IEND", "");
}

inline std::string JpegSegment(int marker, const std::string& body) {
  return std::string("\xFF") + static_cast<char>(marker) +
         BigEndian(static_cast<std::uint32_t>(body.size() + 2), 2) + body;
}

// A JPEG's tables and a frame of width x height in three components. The Huffman tables
// hold one symbol each, DC category 0 and AC end-of-block, coded in one bit.
inline std::string JpegStart(std::uint32_t width, std::uint32_t height, bool progressive) {
  const std::string frame = std::string(1, '\x08') + BigEndian(height, 2) + BigEndian(width, 2) + '\x03' +
                            std::string("\x01\x11\x00\x02\x11\x00\x03\x11\x00", 9);
  const std::string table = std::string(1, '\x01') + std::string(15, '\0');
  return std::string("\xFF\xD8") + JpegSegment(0xDB, '\0' + std::string(64, '\x01')) +
         JpegSegment(progressive ? 0xC2 : 0xC0, frame) +
         JpegSegment(0xC4, std::string(1, '\0') + table + '\0' + '\x10' + table + '\0');
}

// Claiming width x height, with a scan header but only a few bytes of coded data.
inline std::string LyingJpeg(std::uint32_t width, std::uint32_t height, bool progressive) {
  const std::string scan =
      std::string("\x03\x01\x00\x02\x00\x03\x00\x00", 8) + (progressive ? '\0' : '\x3F') + '\0';
  return JpegStart(width, height, progressive) + JpegSegment(0xDA, scan) + std::string(4, '\0') + "\xFF\xD9";
}

// A real 8 x 8 progressive JPEG of `scans` DC scans (each one bit a component).
inline std::string ProgressiveJpeg(int scans) {
  std::string out = JpegStart(8, 8, true);
  for (int scan = 0; scan < scans; ++scan)
    out += JpegSegment(0xDA, std::string("\x03\x01\x00\x02\x00\x03\x00\x00\x00\x00", 10)) + '\x1F';
  return out + "\xFF\xD9";
}

// A little-endian TIFF directory entry of one value.
struct TiffEntry {
  std::uint16_t tag;
  std::uint16_t type;  // 3 short, 4 long
  std::uint32_t value;
};

// An uncompressed 8-bit RGB TIFF of width x height with the layout's own entries, its
// pixels before the directory.
inline std::string RgbTiff(std::uint32_t width, std::uint32_t height, std::vector<TiffEntry> layout,
                           const std::string& pixels) {
  layout.insert(
      layout.end(),
      {{256, 4, width}, {257, 4, height}, {258, 3, 8}, {259, 3, 1}, {262, 3, 2}, {277, 3, 3}, {284, 3, 1}});
  std::sort(layout.begin(), layout.end(),
            [](const TiffEntry& a, const TiffEntry& b) { return a.tag < b.tag; });
  std::string out =
      "II*" + std::string(1, '\0') + LittleEndian(8 + static_cast<std::uint32_t>(pixels.size()), 4) + pixels;
  out += LittleEndian(static_cast<std::uint32_t>(layout.size()), 2);
  for (const TiffEntry& e : layout) {
    out += LittleEndian(e.tag, 2) + LittleEndian(e.type, 2) + LittleEndian(1, 4);
    out += e.type == 3 ? LittleEndian(e.value, 2) + std::string(2, '\0') : LittleEndian(e.value, 4);
  }
  return out + std::string(4, '\0');
}

// In one strip of `pixels` bytes, claiming width x height.
inline std::string LyingTiff(std::uint32_t width, std::uint32_t height,
                             const std::string& pixels = "abcdef") {
  return RgbTiff(width, height,
                 {{273, 4, 8}, {278, 4, height}, {279, 4, static_cast<std::uint32_t>(pixels.size())}},
                 pixels);
}

// In one tile of tileSide x tileSide holding `pixels` bytes.
inline std::string TiledTiff(std::uint32_t width, std::uint32_t height, std::uint32_t tileSide,
                             const std::string& pixels) {
  return RgbTiff(width, height,
                 {{322, 4, tileSide},
                  {323, 4, tileSide},
                  {324, 4, 8},
                  {325, 4, static_cast<std::uint32_t>(pixels.size())}},
                 pixels);
}

// An 18-byte TGA header: true colour (type 2) or run-length (10), 24 or 32 bits.
inline std::string TgaHeader(std::uint32_t width, std::uint32_t height, int type, int bits,
                             int mapLength = 0) {
  std::string out(18, '\0');
  out[1] = mapLength > 0 ? 1 : 0;
  out[2] = static_cast<char>(type);
  out.replace(5, 2, LittleEndian(static_cast<std::uint32_t>(mapLength), 2));
  out[7] = mapLength > 0 ? 32 : 0;
  out.replace(12, 4, LittleEndian(width, 2) + LittleEndian(height, 2));
  out[16] = static_cast<char>(bits);
  return out;
}

}  // namespace vorantis::testing
