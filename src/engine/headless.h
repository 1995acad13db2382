// Headless backends for tests and the replay tool: a desktop of a chosen size with
// no window, a virtual clock, and the message box kept instead of shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/backends.h"

namespace vorantis {

class HeadlessDisplay : public Display {
 public:
  // rendererFactory makes the screen's renderer; by default a RecordingRenderer.
  HeadlessDisplay(int desktopWidth, int desktopHeight,
                  std::function<std::unique_ptr<Renderer>(int, int)> rendererFactory = nullptr);
  std::vector<DesktopMode> ScanDesktops() override;
  bool CreateWindow(int x, int y, int width, int height, const std::string& title) override;
  std::unique_ptr<Renderer> OpenScreen(int width, int height) override;
  int PumpMessage(int timeoutMs) override;
  bool WindowHasFocus() override { return true; }
  void CapturePointer(bool) override {}
  void ShowMessageBox(const std::string& title, const std::string& text) override;

  const std::string& windowTitle() const { return windowTitle_; }
  // Every message box shown, as title and text.
  const std::vector<std::pair<std::string, std::string>>& messages() const { return messages_; }
  bool failWindow = false;
  bool failScreen = false;

 private:
  int width_;
  int height_;
  std::function<std::unique_ptr<Renderer>(int, int)> rendererFactory_;
  std::string windowTitle_;
  std::vector<std::pair<std::string, std::string>> messages_;
};

// Time that passes only when the game sleeps or presents: replays cost no real time.
class VirtualClock : public Clock {
 public:
  void Sleep(int milliseconds) override {
    now_ += static_cast<std::uint32_t>(milliseconds > 0 ? milliseconds : 0);
  }
  std::uint32_t TickCount() override { return now_; }
  void PaceFrame() override { now_ += 16; }
  std::uint32_t sleeps = 0;

 private:
  std::uint32_t now_ = 0;
};

}  // namespace vorantis
