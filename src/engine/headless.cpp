#include "engine/headless.h"

#include "engine/recording_renderer.h"

namespace vorantis {

HeadlessDisplay::HeadlessDisplay(int desktopWidth, int desktopHeight,
                                 std::function<std::unique_ptr<Renderer>(int, int)> rendererFactory)
    : width_(desktopWidth), height_(desktopHeight), rendererFactory_(std::move(rendererFactory)) {}

std::vector<DesktopMode> HeadlessDisplay::ScanDesktops() {
  return {DesktopMode{width_, height_, 32, 60}};
}

bool HeadlessDisplay::CreateWindow(int, int, int, int, const std::string& title) {
  if (failWindow) return false;
  windowTitle_ = title;
  return true;
}

std::unique_ptr<Renderer> HeadlessDisplay::OpenScreen(int width, int height) {
  if (failScreen) return nullptr;
  if (rendererFactory_) return rendererFactory_(width, height);
  return std::make_unique<RecordingRenderer>(width, height);
}

int HeadlessDisplay::PumpMessage(int) {
  return 0;
}

void HeadlessDisplay::ShowMessageBox(const std::string& title, const std::string& text) {
  messages_.emplace_back(title, text);
}

}  // namespace vorantis
