// The engine the game runs on: picture, sound and input services over a set of
// backends (real SDL/GL/AL ones, or headless ones for tests and replays).
#pragma once

#include <memory>
#include <string>

#include "engine/backends.h"
#include "engine/input.h"
#include "engine/screen.h"
#include "engine/sounds.h"

namespace vorantis {

class Engine {
 public:
  explicit Engine(Backends backends);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Screen& screen() { return screen_; }
  Sounds& sounds() { return sounds_; }
  InputDevices& input() { return input_; }
  Display& display() { return *backends_.display; }
  Clock& clock() { return *backends_.clock; }

  void Sleep(int milliseconds) { backends_.clock->Sleep(milliseconds); }
  std::uint32_t TickCount() { return backends_.clock->TickCount(); }
  void ShowMessageBox(const std::string& title, const std::string& text) {
    backends_.display->ShowMessageBox(title, text);
  }

  void RegisterDecoders() {
    if (backends_.registerDecoders) backends_.registerDecoders(screen_, sounds_);
  }

  // Releases the engine's devices in the order the program's end requires.
  void Shutdown();

 private:
  Backends backends_;
  Screen screen_;
  Sounds sounds_;
  InputDevices input_;
};

}  // namespace vorantis
