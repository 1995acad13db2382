#include "engine/recording_renderer.h"

namespace vorantis {

std::uint32_t RecordingRenderer::CreateTexture(const Image&) {
  ++liveTextures_;
  return nextTexture_++;
}

std::uint32_t RecordingRenderer::GrabTexture(int x, int y, int width, int height) {
  Entry e;
  e.kind = Kind::kGrab;
  e.x = x, e.y = y, e.width = width, e.height = height;
  entries_.push_back(e);
  ++liveTextures_;
  return nextTexture_++;
}

void RecordingRenderer::DestroyTexture(std::uint32_t texture) {
  if (texture != 0) --liveTextures_;
}

void RecordingRenderer::Clear(std::uint32_t rgb) {
  Entry e;
  e.kind = Kind::kClear;
  e.rgb = rgb;
  entries_.push_back(e);
}

void RecordingRenderer::DrawQuad(const QuadDraw& quad) {
  if (!recordQuads) return;
  Entry e;
  e.kind = Kind::kQuad;
  e.quad = quad;
  entries_.push_back(e);
}

void RecordingRenderer::FillRect(int x, int y, int width, int height, std::uint32_t rgb) {
  Entry e;
  e.kind = Kind::kFill;
  e.x = x, e.y = y, e.width = width, e.height = height;
  e.rgb = rgb;
  entries_.push_back(e);
}

void RecordingRenderer::Present() {
  Entry e;
  e.kind = Kind::kPresent;
  entries_.push_back(e);
}

Image RecordingRenderer::ReadPixels(int, int, int width, int height) {
  Image image;
  image.width = width > 0 ? width : 0;
  image.height = height > 0 ? height : 0;
  image.rgba.assign(static_cast<std::size_t>(image.width) * image.height * 4, 0);
  return image;
}

}  // namespace vorantis
