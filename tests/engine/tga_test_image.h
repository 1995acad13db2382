// Builds small TGA files by hand for the picture tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorantis::testing {

struct TgaPixel {
  std::uint8_t r, g, b, a;
};

// Rows are given top row first; the file stores them bottom-up unless topDown.
inline std::vector<std::uint8_t> MakeTga(int width, int height, const std::vector<TgaPixel>& pixels, int bits,
                                         bool runLength, bool topDown = false) {
  std::vector<std::uint8_t> out(18, 0);
  out[2] = runLength ? 10 : 2;
  out[12] = static_cast<std::uint8_t>(width & 255);
  out[13] = static_cast<std::uint8_t>(width >> 8);
  out[14] = static_cast<std::uint8_t>(height & 255);
  out[15] = static_cast<std::uint8_t>(height >> 8);
  out[16] = static_cast<std::uint8_t>(bits);
  out[17] = static_cast<std::uint8_t>((bits == 32 ? 8 : 0) | (topDown ? 0x20 : 0));
  std::vector<TgaPixel> stored;
  for (int row = 0; row < height; ++row) {
    const int source = topDown ? row : height - 1 - row;
    for (int column = 0; column < width; ++column) stored.push_back(pixels[source * width + column]);
  }
  auto put = [&](const TgaPixel& p) {
    out.push_back(p.b);
    out.push_back(p.g);
    out.push_back(p.r);
    if (bits == 32) out.push_back(p.a);
  };
  if (!runLength) {
    for (const auto& p : stored) put(p);
    return out;
  }
  // Runs of equal pixels become repeat packets, everything else one-pixel raw packets.
  for (std::size_t i = 0; i < stored.size();) {
    std::size_t run = 1;
    auto same = [](const TgaPixel& a, const TgaPixel& b) {
      return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
    };
    while (i + run < stored.size() && run < 128 && same(stored[i], stored[i + run])) ++run;
    if (run > 1) {
      out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
      put(stored[i]);
    } else {
      out.push_back(0);
      put(stored[i]);
    }
    i += run;
  }
  return out;
}

inline std::string AsText(const std::vector<std::uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace vorantis::testing
