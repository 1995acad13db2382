// Building generated levels on the default data, headless: 256 x 256 and 1024 x 1024
// fields, with tile definitions cached for the run or read from disk each time.
// The data comes from VORANTIS_GAME_DIR, else the build's own game folder.
// A second figure only: it builds into fresh tables with a null renderer and skips
// part of start-up. What a player waits for is measured through the replay tool
// (scripts/benchmarks, --build-times).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/game.h"
#include "core/settings.h"
#include "engine/engine.h"
#include "engine/headless.h"
#include "engine/null_renderer.h"
#include "engine/platform/image_decoders.h"
#include "engine/scripted_input.h"
#include "engine/silent_sound_device.h"
#include "level/level_setup.h"
#include "level/object_definitions.h"
#include "present/catalogues.h"

namespace vorantis {
namespace {

std::string GameFolder() {
  const char* folder = std::getenv("VORANTIS_GAME_DIR");
  std::string path = folder != nullptr ? folder : std::string(VORANTIS_BINARY_DIR) + "/game";
  for (char& c : path)
    if (c == '/') c = '\\';
  return path + "\\";
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct BenchWorld {
  BenchWorld() {
    Backends b;
    b.display = std::make_unique<HeadlessDisplay>(
        1280, 720, [](int, int) -> std::unique_ptr<Renderer> { return std::make_unique<NullRenderer>(); });
    b.clock = std::make_unique<VirtualClock>();
    b.input = std::make_unique<ScriptedInput>();
    b.openSound = [] { return std::make_unique<SilentSoundDevice>(); };
    engine = std::make_unique<Engine>(std::move(b));
    game = std::make_unique<Game>(*engine);
    Screen& screen = engine->screen();
    RegisterImageDecoders(screen);
    screen.CreateGameWindow(-1, 0, 0, 1280, 720, 0, "");
    screen.OpenScreenInWindow(1, 0, 0, 1280, 720, 1, 0, 0);
    game->screenWidth = 1280;
    game->screenHeight = 720;
    game->baseDirectory = GameFolder();
    ok = ReadSettingsFile(game->settings, game->random, game->baseDirectory,
                          game->baseDirectory + "DATA\\ini.txt");
    game->objectScale = game->screenWidth / static_cast<float>(game->settings.RESBASEW);
    game->level.matrix.Create(512, 512);
    LoadTileGraphics(*game);
    LoadObjectDefinitions(*game);
  }
  bool ok = false;
  std::unique_ptr<Engine> engine;
  std::unique_ptr<Game> game;
};

void BuildLevel(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  BenchWorld world;
  if (!world.ok) {
    state.SkipWithError("no default data: set VORANTIS_GAME_DIR");
    return;
  }
  Game& game = *world.game;
  game.level.cacheTileDefinitions = state.range(1) != 0;
  game.settings.MAPSIZE = side;
  // A base far above the map size: every level is exactly side x side.
  game.level.baseWidth = 1 << 20;
  game.level.baseHeight = 1 << 20;
  for (auto _ : state) {
    game.level.tileDefinitions.clear();
    game.play.levelNumber += 1;
    NewLevel(game);
    benchmark::DoNotOptimize(game.play.tilesLeft);
  }
  state.counters["fields"] = static_cast<double>(game.level.levelWidth + 1) * (game.level.levelHeight + 1);
  state.counters["objects"] = static_cast<double>(game.level.fieldObjects.size());
  state.counters["peak_MB"] = PeakMegabytes();
}

BENCHMARK(BuildLevel)
    ->ArgNames({"side", "cached"})
    ->Args({256, 1})
    ->Args({256, 0})
    ->Args({1024, 1})
    ->Args({1024, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace vorantis

BENCHMARK_MAIN();
