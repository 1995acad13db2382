// Placeholder until the picture services land.
#include "engine/screen.h"

namespace vorantis {
struct Screen::State {
  Display* display;
  Clock* clock;
  std::unique_ptr<Renderer> renderer;
  int frames = 0;
};
Screen::Screen(Display* display, Clock* clock) : state_(new State{display, clock, nullptr}) {}
Screen::~Screen() = default;
void Screen::RegisterImageDecoder(ImageDecoder) {}
int Screen::ScanDesktops() {
  return static_cast<int>(state_->display->ScanDesktops().size());
}
int Screen::DesktopPixelWidth(int d) {
  auto m = state_->display->ScanDesktops();
  return d >= 0 && d < static_cast<int>(m.size()) ? m[d].width : 0;
}
int Screen::DesktopPixelHeight(int d) {
  auto m = state_->display->ScanDesktops();
  return d >= 0 && d < static_cast<int>(m.size()) ? m[d].height : 0;
}
int Screen::DesktopColourDepth(int) {
  return 0;
}
int Screen::DesktopRefreshRate(int) {
  return 0;
}
int Screen::CreateGameWindow(int, int x, int y, int w, int h, int, const std::string& t) {
  return state_->display->CreateWindow(x, y, w, h, t) ? 1 : 0;
}
int Screen::OpenScreenInWindow(int, int, int, int w, int h, int, int, int) {
  state_->renderer = state_->display->OpenScreen(w, h);
  return state_->renderer ? 1 : 0;
}
int Screen::PumpWindowMessage(int t) {
  return state_->display->PumpMessage(t);
}
void Screen::FillScreen(std::uint32_t) {}
void Screen::PresentFrame() {
  ++state_->frames;
  state_->clock->PaceFrame();
}
void Screen::SetDefaultColourKey(int, std::uint32_t) {}
int Screen::LoadImageSprite(int, const std::string&, int) {
  return 0;
}
int Screen::GrabScreenSprite(int, int, int, int, int, int) {
  return 0;
}
int Screen::SpriteExists(int) {
  return 0;
}
void Screen::ReleaseSprite(int) {}
int Screen::SpritePixelWidth(int) {
  return 0;
}
int Screen::SpritePixelHeight(int) {
  return 0;
}
int Screen::MakeSprite3D(int, int) {
  return 0;
}
int Screen::Sprite3DExists(int) {
  return 0;
}
void Screen::ReleaseSprite3D(int) {}
void Screen::ScaleSprite3D(int, float, float) {}
void Screen::TurnSprite3D(int, int, int) {}
void Screen::WarpSprite3D(int, float, float, float, float, float, float, float, float) {}
void Screen::SetSprite3DFilter(int) {}
void Screen::SetSprite3DBlend(int, int) {}
int Screen::BeginSprite3DPass() {
  return 1;
}
void Screen::DrawSprite3D(int, int, int, int) {}
void Screen::EndSprite3DPass() {}
void Screen::BeginCanvas() {}
void Screen::EndCanvas() {}
void Screen::FillRectangle(int, int, int, int, std::uint32_t) {}
Renderer* Screen::renderer() {
  return state_->renderer.get();
}
int Screen::presentedFrames() const {
  return state_->frames;
}
void Screen::Shutdown() {
  state_->renderer.reset();
}
}  // namespace vorantis
