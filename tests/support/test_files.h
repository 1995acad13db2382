// Builds small TGA and WAV files by hand for the picture and sound tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorantis::testing {

struct TgaPixel {
  std::uint8_t r, g, b, a;
  bool operator==(const TgaPixel&) const = default;
};

// Rows are given top row first; the file stores them bottom-up unless topDown. Run-length
// files use repeat packets for runs of equal pixels and one-pixel raw packets otherwise.
inline std::vector<std::uint8_t> MakeTga(int width, int height, const std::vector<TgaPixel>& pixels, int bits,
                                         bool runLength, bool topDown = false) {
  std::vector<std::uint8_t> out(18, 0);
  out[2] = runLength ? 10 : 2;
  out[12] = width & 255, out[13] = width >> 8, out[14] = height & 255, out[15] = height >> 8;
  out[16] = bits;
  out[17] = (bits == 32 ? 8 : 0) | (topDown ? 0x20 : 0);
  std::vector<TgaPixel> stored;
  for (int row = 0; row < height; ++row)
    for (int x = 0; x < width; ++x) stored.push_back(pixels[(topDown ? row : height - 1 - row) * width + x]);
  for (std::size_t i = 0; i < stored.size();) {
    std::size_t run = 1;
    while (runLength && i + run < stored.size() && run < 128 && stored[i] == stored[i + run]) ++run;
    if (runLength) out.push_back(run > 1 ? 0x80 | (run - 1) : 0);
    const TgaPixel& p = stored[i];
    out.insert(out.end(), {p.b, p.g, p.r});
    if (bits == 32) out.push_back(p.a);
    i += run;
  }
  return out;
}

inline std::string AsText(const std::vector<std::uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}
// An uncompressed 24-bit picture of one grey.
inline std::string PlainTga(int width, int height) {
  return AsText(
      MakeTga(width, height, std::vector<TgaPixel>(width * height, {128, 128, 128, 255}), 24, false));
}

inline std::string LittleEndian(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}
inline std::string Chunk(const std::string& id, const std::string& body, std::uint32_t declared) {
  return id + LittleEndian(declared, 4) + body;
}
inline std::string Chunk(const std::string& id, const std::string& body) {
  return Chunk(id, body, static_cast<std::uint32_t>(body.size()));
}
inline std::string PcmFormat(int tag, int channels, int rate, int bits) {
  return LittleEndian(tag, 2) + LittleEndian(channels, 2) + LittleEndian(rate, 4) +
         LittleEndian(rate * channels * bits / 8, 4) + LittleEndian(channels * bits / 8, 2) +
         LittleEndian(bits, 2);
}
inline std::string Riff(const std::string& chunks) {
  return "RIFF" + LittleEndian(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}
// A mono 16-bit WAV whose every sample is `level`, so that a mix shows how many copies sound.
inline std::string LevelWav(int frames, int rate = 8000, int level = 0x1010) {
  std::string data;
  for (int i = 0; i < frames; ++i) data += LittleEndian(level, 2);
  return Riff(Chunk("fmt ", PcmFormat(1, 1, rate, 16)) + Chunk("data", data));
}

}  // namespace vorantis::testing
