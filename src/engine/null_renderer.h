// A renderer that hands out texture numbers and draws nothing: for measuring or fuzzing the
// game's own work without any drawing cost.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/backends.h"

namespace vorantis {

class NullRenderer : public Renderer {
 public:
  std::uint32_t CreateTexture(const Image&) override { return next_++; }
  std::uint32_t GrabTexture(int, int, int, int) override { return next_++; }
  void DestroyTexture(std::uint32_t) override {}
  void Clear(std::uint32_t) override {}
  void DrawQuad(const QuadDraw&) override {}
  void FillRect(int, int, int, int, std::uint32_t) override {}
  void Present() override {}
  // Black, the size asked for.
  Image ReadPixels(int, int, int width, int height) override {
    Image image;
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
    return image;
  }

 private:
  std::uint32_t next_ = 1;
};

}  // namespace vorantis
