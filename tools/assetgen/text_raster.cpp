#include "text_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vorantis::assetgen {

struct TextRaster::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

TextRaster::TextRaster(const std::string& fontFile, int pixelSize) : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library)) throw std::runtime_error("FreeType could not start");
  if (FT_New_Face(impl_->library, fontFile.c_str(), 0, &impl_->face))
    throw std::runtime_error("cannot open font " + fontFile);
  FT_Set_Pixel_Sizes(impl_->face, 0, static_cast<FT_UInt>(pixelSize));
  ascent_ = static_cast<int>(std::ceil(impl_->face->size->metrics.ascender / 64.0));
  descent_ = static_cast<int>(std::ceil(-impl_->face->size->metrics.descender / 64.0));
}

TextRaster::~TextRaster() {
  if (impl_->face) FT_Done_Face(impl_->face);
  if (impl_->library) FT_Done_FreeType(impl_->library);
}

Coverage TextRaster::Render(const std::string& latin1, int pad, float tracking) const {
  FT_Face face = impl_->face;
  // First pass: the pen advance decides the width.
  double pen = 0;
  for (unsigned char ch : latin1) {
    if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT)) continue;
    pen += face->glyph->advance.x / 64.0 + tracking;
  }
  Coverage out;
  out.width = static_cast<int>(std::ceil(pen - tracking)) + 2 * pad;
  out.height = ascent_ + descent_ + 2 * pad;
  out.baseline = pad + ascent_;
  out.values.assign(static_cast<std::size_t>(out.width) * out.height, 0.0f);
  pen = pad;
  for (unsigned char ch : latin1) {
    if (FT_Load_Char(face, ch, FT_LOAD_RENDER)) continue;
    const FT_Bitmap& bm = face->glyph->bitmap;
    int left = static_cast<int>(std::lround(pen)) + face->glyph->bitmap_left;
    int top = out.baseline - face->glyph->bitmap_top;
    for (unsigned y = 0; y < bm.rows; ++y)
      for (unsigned x = 0; x < bm.width; ++x) {
        int px = left + static_cast<int>(x), py = top + static_cast<int>(y);
        if (px < 0 || py < 0 || px >= out.width || py >= out.height) continue;
        float& v = out.values[static_cast<std::size_t>(py) * out.width + px];
        v = std::min(1.0f, v + bm.buffer[y * bm.pitch + x] / 255.0f);
      }
    pen += face->glyph->advance.x / 64.0 + tracking;
  }
  return out;
}

Coverage Dilate(const Coverage& in, float radius) {
  Coverage out = in;
  int r = static_cast<int>(std::ceil(radius));
  for (int y = 0; y < in.height; ++y)
    for (int x = 0; x < in.width; ++x) {
      float best = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
          float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
          if (d > radius + 0.5f) continue;
          float weight = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
          best = std::max(best, in.At(x + dx, y + dy) * weight);
        }
      out.values[static_cast<std::size_t>(y) * in.width + x] = best;
    }
  return out;
}

}  // namespace vorantis::assetgen
