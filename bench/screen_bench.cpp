// One full-size frame on the offscreen GL path: 2100 keyed 32 x 32 quads, a grab of
// the whole back buffer and that grab redrawn stretched with bilinear filtering.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/platform/gl_renderer.h"
#include "engine/tga_decoder.h"

namespace vorantis {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A 32 x 32 tile with a magenta (keyed) border.
std::string WriteTile() {
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes[12] = 32;
  bytes[14] = 32;
  bytes[16] = 24;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool edge = x < 2 || y < 2 || x > 29 || y > 29;
      bytes += edge ? std::string("\xff\x00\xff", 3) : std::string{static_cast<char>(x * 8), 80, 40};
    }
  }
  const auto path = std::filesystem::temp_directory_path() / "vorantis-bench-tile.tga";
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

void FullFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  Backends backends;
  backends.display = std::make_unique<HeadlessDisplay>(
      kWidth, kHeight, [](int w, int h) { return MakeOffscreenGlRenderer(w, h); });
  backends.clock = std::make_unique<VirtualClock>();
  Engine engine(std::move(backends));
  Screen& screen = engine.screen();
  screen.RegisterImageDecoder(DecodeTga);
  screen.CreateGameWindow(-1, 0, 0, kWidth, kHeight, 0, "bench");
  if (!screen.OpenScreenInWindow(1, 0, 0, kWidth, kHeight, 1, 0, 0)) {
    state.SkipWithError("no GL 3.3 core context");
    return;
  }
  screen.SetDefaultColourKey(-1, 0xFF00FF);
  const int tile = screen.MakeSprite3D(-1, screen.LoadImageSprite(-1, WriteTile(), 4));
  for (auto _ : state) {
    screen.FillScreen(0x202020);
    screen.BeginSprite3DPass();
    for (int i = 0; i < 2100; ++i) screen.DrawSprite3D(tile, (i % 60) * 32, (i / 60) * 32 % kHeight);
    screen.EndSprite3DPass();
    const int grabbed = screen.GrabScreenSprite(-1, 0, 0, kWidth, kHeight, 4);
    const int grab = screen.MakeSprite3D(-1, grabbed);
    screen.BeginSprite3DPass();
    screen.SetSprite3DFilter(1);
    screen.ScaleSprite3D(grab, kWidth * 1.25f, kHeight * 1.25f);
    screen.DrawSprite3D(grab, -kWidth / 8, -kHeight / 8);
    screen.SetSprite3DFilter(0);
    screen.EndSprite3DPass();
    screen.ReleaseSprite3D(grab);
    screen.ReleaseSprite(grabbed);
    // Reading a pixel waits for the GPU, so the frame is measured whole.
    benchmark::DoNotOptimize(screen.renderer()->ReadPixels(0, 0, 1, 1));
  }
}
BENCHMARK(FullFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vorantis

BENCHMARK_MAIN();
