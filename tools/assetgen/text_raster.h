// Text rendered with FreeType into coverage maps (0..1 per pixel).
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vorantis::assetgen {

struct Coverage {
  int width = 0;
  int height = 0;
  int baseline = 0;  // row of the baseline
  std::vector<float> values;
  float At(int x, int y) const {
    return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f
                                                         : values[static_cast<std::size_t>(y) * width + x];
  }
};

class TextRaster {
 public:
  // fontFile: a TrueType file; pixelSize: the em size in pixels.
  TextRaster(const std::string& fontFile, int pixelSize);
  ~TextRaster();
  TextRaster(const TextRaster&) = delete;
  TextRaster& operator=(const TextRaster&) = delete;

  int ascent() const { return ascent_; }
  int descent() const { return descent_; }
  // One line of text (Latin-1 code points), padded by pad pixels on every side;
  // the height is ascent + descent + 2 × pad whatever the letters.
  Coverage Render(const std::string& latin1, int pad, float tracking = 0) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int ascent_ = 0;
  int descent_ = 0;
};

// Dilates coverage by a round brush: the outline shape around letters.
Coverage Dilate(const Coverage& in, float radius);

}  // namespace vorantis::assetgen
