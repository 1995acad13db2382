// A headless engine: a display that records what is drawn, a virtual clock and scripted input.
#pragma once

#include <functional>
#include <memory>
#include <utility>

#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/recording_renderer.h"
#include "engine/scripted_input.h"

namespace vorantis::testing {

struct TestEngine {
  explicit TestEngine(int desktopWidth = 800, int desktopHeight = 600,
                      std::function<std::unique_ptr<Renderer>(int, int)> rendererFactory = nullptr,
                      std::function<std::unique_ptr<SoundDevice>()> openSound = nullptr) {
    Backends b;
    auto d = std::make_unique<HeadlessDisplay>(desktopWidth, desktopHeight, std::move(rendererFactory));
    auto c = std::make_unique<VirtualClock>();
    auto i = std::make_unique<ScriptedInput>();
    display = d.get();
    clock = c.get();
    input = i.get();
    b.display = std::move(d);
    b.clock = std::move(c);
    b.input = std::move(i);
    b.openSound = std::move(openSound);
    engine = std::make_unique<Engine>(std::move(b));
  }
  // Opens a headless screen of that size so that sprites and draws work.
  void OpenScreen(int width, int height) {
    auto& s = engine->screen();
    s.CreateGameWindow(-1, 0, 0, width, height, 0, "");
    s.OpenScreenInWindow(1, 0, 0, width, height, 1, 0, 0);
  }
  RecordingRenderer* recorder() { return dynamic_cast<RecordingRenderer*>(engine->screen().renderer()); }

  HeadlessDisplay* display = nullptr;
  VirtualClock* clock = nullptr;
  ScriptedInput* input = nullptr;
  std::unique_ptr<Engine> engine;
};

}  // namespace vorantis::testing
