// The game's frame on the GL path, counted rather than timed: a frame that starts
// costing more draws, textures or uploads fails here on any machine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/main_loop.h"
#include "app/startup.h"
#include "core/game.h"
#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/platform/gl_renderer.h"
#include "engine/platform/image_decoders.h"
#include "engine/scripted_input.h"

namespace vorantis {
namespace {

[[maybe_unused]] const bool kOffscreen = setenv("SDL_VIDEODRIVER", "offscreen", 1) == 0;

struct InDefaultData {
  InDefaultData() : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(VORANTIS_BINARY_DIR "/game");
  }
  ~InDefaultData() { std::filesystem::current_path(previous); }
  std::filesystem::path previous;
};

TEST(GlFrameWork, APlayFrameDrawsInFewCallsAndMakesOrUploadsNoTexture) {
  InDefaultData folder;
  Backends backends;
  backends.display =
      std::make_unique<HeadlessDisplay>(960, 540, [](int w, int h) { return MakeOffscreenGlRenderer(w, h); });
  backends.clock = std::make_unique<VirtualClock>();
  auto input = std::make_unique<ScriptedInput>();
  ScriptedInput& keys = *input;
  backends.input = std::move(input);
  backends.registerDecoders = [](Screen& screen, Sounds&) { RegisterImageDecoders(screen); };
  Engine engine(std::move(backends));
  Game game(engine);
  keys.SetKey(0x39, true);  // leaves the title at once
  StartUp(game);
  keys.SetKey(0x39, false);
  Renderer* renderer = engine.screen().renderer();
  ASSERT_NE(renderer, nullptr) << "no GL 3.3 core context";
  // The level is built and its intro shown by now; the picture cache is warm.
  for (int pass = 0; pass < 5; ++pass) MainLoopPass(game);
  // Every frame so far reached the renderer: the build's progress frames on the display or
  // left in the back buffer, the others on the display.
  const GlRenderStats built = GlStatsOf(*renderer);
  EXPECT_EQ(built.presents + built.progressLeftUnshown, engine.screen().presentedFrames());

  constexpr int kFrames = 20;
  const GlRenderStats before = GlStatsOf(*renderer);
  const int presented = engine.screen().presentedFrames();
  for (int pass = 0; pass < kFrames; ++pass) MainLoopPass(game);
  const GlRenderStats after = GlStatsOf(*renderer);
  ASSERT_EQ(engine.screen().presentedFrames() - presented, kFrames);
  EXPECT_EQ(after.texturesMade, before.texturesMade) << "the zoom's grab reuses its texture";
  EXPECT_EQ(after.texelsUploaded, before.texelsUploaded);
  EXPECT_EQ(after.grabs - before.grabs, kFrames) << "one grab per frame, the zoom's";
  EXPECT_EQ(after.presents - before.presents, kFrames) << "a frame of play is always shown";
  const long long draws = (after.drawCalls - before.drawCalls) / kFrames;
  EXPECT_GT(draws, 0);
  // Effect sprites, the labyrinth with everything on it, the zoom and the HUD: a handful of
  // draws, never one per field or picture.
  EXPECT_LE(draws, 8) << "draw calls per frame";
  // Each draw could switch both; draws of one program or one blending switch neither.
  EXPECT_LT(after.stateChanges - before.stateChanges, 2 * draws * kFrames) << "program or blending switched";
}

}  // namespace
}  // namespace vorantis
