// A renderer without GL for logic tests: it records every draw, fill, grab and present.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/backends.h"

namespace vorantis {

class RecordingRenderer : public Renderer {
 public:
  enum class Kind { kClear, kQuad, kFill, kGrab, kPresent };
  struct Entry {
    Kind kind = Kind::kClear;
    QuadDraw quad;                            // kQuad
    int x = 0, y = 0, width = 0, height = 0;  // kFill, kGrab
    std::uint32_t rgb = 0;                    // kClear, kFill
  };

  RecordingRenderer(int width, int height) : width_(width), height_(height) {}

  std::uint32_t CreateTexture(const Image& image) override;
  std::uint32_t GrabTexture(int x, int y, int width, int height) override;
  void DestroyTexture(std::uint32_t texture) override;
  void Clear(std::uint32_t rgb) override;
  void DrawQuad(const QuadDraw& quad) override;
  void FillRect(int x, int y, int width, int height, std::uint32_t rgb) override;
  void Present() override;
  Image ReadPixels(int x, int y, int width, int height) override;

  const std::vector<Entry>& entries() const { return entries_; }
  void ClearLog() { entries_.clear(); }
  int liveTextures() const { return liveTextures_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Keep only presents and fills (long replays need no per-quad log).
  bool recordQuads = true;

 private:
  int width_;
  int height_;
  std::uint32_t nextTexture_ = 1;
  int liveTextures_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace vorantis
