// A fresh Game over a headless engine.
#pragma once

#include <memory>

#include "core/game.h"
#include "support/scratch_folder.h"
#include "support/test_engine.h"

namespace vorantis::testing {

struct TestGame : TestEngine {
  explicit TestGame(int desktopWidth = 800, int desktopHeight = 600,
                    std::function<std::unique_ptr<Renderer>(int, int)> rendererFactory = nullptr,
                    std::function<std::unique_ptr<SoundDevice>()> openSound = nullptr)
      : TestEngine(desktopWidth, desktopHeight, std::move(rendererFactory), std::move(openSound)),
        game(std::make_unique<Game>(*engine)) {
    game->screenWidth = static_cast<float>(desktopWidth);
    game->screenHeight = static_cast<float>(desktopHeight);
  }
  // Opens the headless screen at the game's size.
  void OpenScreen() {
    TestEngine::OpenScreen(static_cast<int>(game->screenWidth), static_cast<int>(game->screenHeight));
  }

  std::unique_ptr<Game> game;
};

}  // namespace vorantis::testing
