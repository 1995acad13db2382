// The one object that owns everything the game keeps between calls. It holds the
// engine, what every layer reads (settings, random generator, texts, screen size)
// and one state struct per subsystem; the game's operations are free functions that
// take it, or only the part they use.
//
// The state headers included below live with the layer that owns them but are plain
// data: they include only the standard library and core/ headers, never a function
// of their layer, so including them here does not make core/ depend on the layers
// above it.
#pragma once

#include <cstdint>
#include <string>

#include "controls/controls_state.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/text_pool.h"
#include "level/level_state.h"
#include "play/play_state.h"
#include "present/present_state.h"

namespace vorantis {

class Engine;

// Watches what the game draws and plays (the replay tool's trace).
class GameObserver {
 public:
  virtual ~GameObserver() = default;
  virtual void OnText(const std::string& text, float x, float y, float size, int alpha, float spacing) = 0;
  // A sound effect found by name and started.
  virtual void OnSound(const std::string& name) = 0;
  // Before each poll of the controls (main loop and dialogs alike).
  virtual void OnControlsPoll() {}
  // Before each poll of the title screen's wait for a key or START.
  virtual void OnTitleWait() {}
};

struct Game {
  explicit Game(Engine& engine);

  Engine& engine;
  GameObserver* observer = nullptr;

  Settings settings;
  Random random;
  TextPool texts;

  std::string baseDirectory;
  float screenWidth = 0;
  float screenHeight = 0;
  float objectScale = 1.0f;
  std::int8_t gamepadPresent = 0;

  FontState font;
  TitleState title;
  Catalogues catalogues;
  LevelState level;
  PlayState play;
  ControlsState controls;

  // The tile size: width and height of one field in pixels.
  float tileSize() const { return settings.RESOLUTION; }
};

}  // namespace vorantis
