// Picture services: desktop, window, screen, sprites, 3D sprites and the canvas.
// Handles are small integers; 0 is none, and every operation on an invalid
// handle does nothing and answers 0. Colours are red | green << 8 | blue << 16.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/backends.h"
#include "engine/image.h"

namespace vorantis {

class Clock;

inline constexpr std::uint32_t Rgb(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red & 255) | (static_cast<std::uint32_t>(green & 255) << 8) |
         (static_cast<std::uint32_t>(blue & 255) << 16);
}

// Sprite creation mode bits.
inline constexpr int kModeSystemMemory = 1;
inline constexpr int kModeTexture = 4;
inline constexpr int kModeOwnAlpha = 8;

class Screen {
 public:
  Screen(Display* display, Clock* clock);
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Image decoders are offered a file's bytes in registration order.
  void RegisterImageDecoder(ImageDecoder decoder);

  int ScanDesktops();
  int DesktopPixelWidth(int desktop);
  int DesktopPixelHeight(int desktop);
  int DesktopColourDepth(int desktop);
  int DesktopRefreshRate(int desktop);

  int CreateGameWindow(int number, int x, int y, int width, int height, int style, const std::string& title);
  int OpenScreenInWindow(int window, int x, int y, int width, int height, int stretch, int rightOffset,
                         int bottomOffset);
  int PumpWindowMessage(int timeoutMs);

  void FillScreen(std::uint32_t rgb);
  // Shows the frame, or leaves it undrawn when drawing lags behind the clock's pace (the
  // renderer then saw nothing of it), and waits for the pace.
  void PresentFrame();
  // Shows progress while a level is built: never held back to the pass rate, and left out
  // when the last one was shown less than a frame's time ago (the next shows it all).
  void PresentProgressFrame();
  // The frame being made is drawn whatever the pace: something grabbed from it is shown
  // later. Call it before the frame draws anything.
  void KeepFrameDrawn();

  void SetDefaultColourKey(int sprite, std::uint32_t rgb);
  int LoadImageSprite(int number, const std::string& path, int mode);
  int GrabScreenSprite(int number, int x, int y, int width, int height, int mode);
  int SpriteExists(int sprite);
  void ReleaseSprite(int sprite);
  int SpritePixelWidth(int sprite);
  int SpritePixelHeight(int sprite);

  int MakeSprite3D(int number, int sprite);
  int Sprite3DExists(int quad);
  void ReleaseSprite3D(int quad);
  void ScaleSprite3D(int quad, float width, float height);
  void TurnSprite3D(int quad, int angle, int mode);
  void WarpSprite3D(int quad, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  void SetSprite3DFilter(int quality);
  void SetSprite3DBlend(int sourceFactor, int destFactor);
  int BeginSprite3DPass();
  void DrawSprite3D(int quad, int x, int y, int opacity = 255);
  void EndSprite3DPass();

  void BeginCanvas();
  void EndCanvas();
  void FillRectangle(int x, int y, int width, int height, std::uint32_t rgb);

  // Read-only views for tests and the replay tool (0 or empty for invalid handles).
  std::uint32_t SpriteColourKey(int sprite);
  int SpriteMode(int sprite);
  int Sprite3DWidth(int quad);
  int Sprite3DHeight(int quad);
  int Sprite3DAngle(int quad);
  // Corners relative to the quad's origin: top-left, top-right, bottom-left, bottom-right.
  std::array<QuadCorner, 4> Sprite3DCorners(int quad);
  int Sprite3DBlendSource() const;
  int Sprite3DBlendDest() const;
  int Sprite3DFilter() const;
  bool CanvasOpen() const;
  // Work of the 3D sprite handle table: handles given for number -1 and the words read
  // finding them, so that tests can bound it.
  std::int64_t Sprite3DHandlesGiven() const;
  std::int64_t Sprite3DHandleWordsRead() const;

  // For tests and the replay tool: the renderer in use (nullptr before the screen opens).
  Renderer* renderer();
  int presentedFrames() const;
  // Of the presented frames, those the renderer drew and those left undrawn.
  std::int64_t drawnFrames() const;
  std::int64_t undrawnFrames() const;
  // Releases every 3D sprite, then the screen and the sprites (end of program).
  void Shutdown();

 private:
  void Present(bool progress);

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorantis
