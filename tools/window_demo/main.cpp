// Opens the game's window on the primary desktop and draws turning, translucent
// sprites for a few seconds: a quick look at the picture services on a real display.
// Usage: window_demo [seconds]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/engine.h"
#include "engine/platform/real_clock.h"
#include "engine/platform/sdl_display.h"
#include "engine/tga_decoder.h"

namespace {

// A 64 x 64 picture: a coloured ring on a magenta (keyed) ground.
std::string WriteRing(const std::filesystem::path& path) {
  std::string bytes(18, '\0');
  bytes[2] = 2;
  bytes[12] = 64;
  bytes[14] = 64;
  bytes[16] = 24;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const int dx = x - 32, dy = y - 32, d = dx * dx + dy * dy;
      const bool ring = d > 16 * 16 && d < 30 * 30;
      const char blue = ring ? static_cast<char>(255 - y * 3) : '\xff';
      const char green = ring ? static_cast<char>(x * 4) : '\x00';
      const char red = ring ? '\xc0' : '\xff';
      bytes += std::string{blue, green, red};
    }
  }
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorantis;
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
  Backends backends;
  backends.display = MakeSdlDisplay();
  backends.clock = MakeRealClock();
  Engine engine(std::move(backends));
  Screen& screen = engine.screen();
  screen.RegisterImageDecoder(DecodeTga);
  screen.SetDefaultColourKey(-1, Rgb(255, 0, 255));
  screen.ScanDesktops();
  const int width = screen.DesktopPixelWidth(0);
  const int height = screen.DesktopPixelHeight(0);
  const int window = screen.CreateGameWindow(-1, 0, 0, width, height, 0, "Window demo");
  if (window == 0 || screen.OpenScreenInWindow(window, 0, 0, width, height, 1, 0, 0) == 0) {
    engine.ShowMessageBox("ERROR ", "The window or the screen could not be opened.");
    return 1;
  }
  const auto picture = std::filesystem::temp_directory_path() / "vorantis-window-demo.tga";
  const int quad = screen.MakeSprite3D(-1, screen.LoadImageSprite(-1, WriteRing(picture), 4));
  std::filesystem::remove(picture);
  const int frames = seconds * 60;
  for (int frame = 0; frame < frames; ++frame) {
    screen.PumpWindowMessage(1);
    screen.FillScreen(Rgb(20, 30, 60));
    screen.BeginSprite3DPass();
    screen.SetSprite3DFilter(1);
    screen.TurnSprite3D(quad, 2, 1);
    for (int i = 0; i < 24; ++i) {
      screen.DrawSprite3D(quad, (i * 97 + frame * 3) % (width > 64 ? width - 64 : 1),
                          (i * 53) % (height > 64 ? height - 64 : 1), 64 + i * 8);
    }
    screen.EndSprite3DPass();
    screen.BeginCanvas();
    screen.FillRectangle(0, height - 20, width, 9, Rgb(0, 0, 0));
    screen.FillRectangle(0, height - 20, width * frame / frames, 8, Rgb(255, 0, 0));
    screen.EndCanvas();
    screen.PresentFrame();
  }
  engine.Shutdown();
  std::printf("window demo: %d frames presented\n", screen.presentedFrames());
  return 0;
}
