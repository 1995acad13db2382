// The seams between the engine and the platform. Each has a real implementation
// under platform/ (SDL2, OpenGL, OpenAL) and a headless one for tests and replays.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/image.h"
#include "engine/sound.h"

namespace vorantis {

// Direct3D 7 blend factor numbers, kept whatever interface interprets them.
enum BlendFactor : int {
  kBlendZero = 1,
  kBlendOne = 2,
  kBlendSourceColour = 3,
  kBlendInverseSourceColour = 4,
  kBlendSourceAlpha = 5,
  kBlendInverseSourceAlpha = 6,
  kBlendDestAlpha = 7,
  kBlendInverseDestAlpha = 8,
  kBlendDestColour = 9,
  kBlendInverseDestColour = 10,
  kBlendSourceAlphaSaturate = 11,
  kBlendBothSourceAlpha = 12,
  kBlendBothInverseSourceAlpha = 13,
};

struct DesktopMode {
  int width = 0;
  int height = 0;
  int colourDepth = 0;
  int refreshRate = 0;
};

// One corner of a drawn quad, in back-buffer pixels, with its texture coordinate.
struct QuadCorner {
  float x = 0, y = 0, u = 0, v = 0;
};

// Everything the renderer needs to draw one textured quad. Corners come in
// triangle-strip order: top-left, top-right, bottom-left, bottom-right.
struct QuadDraw {
  std::uint32_t texture = 0;
  std::array<QuadCorner, 4> corners{};
  int opacity = 255;
  int blendSource = kBlendSourceAlpha;
  int blendDest = kBlendInverseSourceAlpha;
  bool smooth = false;
  bool ownAlpha = false;        // mode bit 8: the texture's alpha is multiplied by the opacity
  bool keyed = true;            // texels of the colour key are never drawn
  std::uint32_t colourKey = 0;  // red | green << 8 | blue << 16
};

// The drawing backend behind the screen. Colours are red | green << 8 | blue << 16.
class Renderer {
 public:
  virtual ~Renderer() = default;
  // A texture from RGBA pixels; 0 on failure.
  virtual std::uint32_t CreateTexture(const Image& image) = 0;
  // A texture copied from the back buffer rectangle (x, y, w, h), top-left origin.
  virtual std::uint32_t GrabTexture(int x, int y, int width, int height) = 0;
  virtual void DestroyTexture(std::uint32_t texture) = 0;
  virtual void Clear(std::uint32_t rgb) = 0;
  virtual void DrawQuad(const QuadDraw& quad) = 0;
  virtual void FillRect(int x, int y, int width, int height, std::uint32_t rgb) = 0;
  // Shows the back buffer; the back buffer keeps its content.
  virtual void Present() = 0;
  // A present that only shows a level build's progress. It counts as a frame all the same, but a
  // renderer may leave it off the display when a display could not show it before the next.
  virtual void PresentProgress() { Present(); }
  // Back-buffer pixels, top row first (for grabs to memory and for tests).
  virtual Image ReadPixels(int x, int y, int width, int height) = 0;
};

// Thrown by a backend's wait (a window message, a sleep, a frame's pacing) once the
// platform has asked the program to end, by a signal; the program's entry catches it
// and ends through its usual shut-down.
struct EndRequested {
  int signal = 0;
};

// Desktop, window, screen, window messages and the message box.
class Display {
 public:
  virtual ~Display() = default;
  virtual std::vector<DesktopMode> ScanDesktops() = 0;
  virtual bool CreateWindow(int x, int y, int width, int height, const std::string& title) = 0;
  // The screen's renderer with a back buffer of width x height; nullptr on failure.
  virtual std::unique_ptr<Renderer> OpenScreen(int width, int height) = 0;
  // Takes at most one pending event, waiting at most timeoutMs; answers 1 when one was taken.
  virtual int PumpMessage(int timeoutMs) = 0;
  virtual bool WindowHasFocus() = 0;
  // Hides and confines the system pointer (true) or gives it back (false).
  virtual void CapturePointer(bool capture) = 0;
  virtual void ShowMessageBox(const std::string& title, const std::string& text) = 0;
};

// Time as the main loop sees it; the replay tool runs on a virtual clock.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(int milliseconds) = 0;  // 0 yields the rest of the time slice
  virtual std::uint32_t TickCount() = 0;     // milliseconds since some start
  // Called by each present; the real clock paces presents to at most 60 per second.
  virtual void PaceFrame() = 0;
  // Called by a present that only shows progress (a level being built), in which no game
  // time passes: the real clock does not hold it back.
  virtual void PaceProgressFrame() { PaceFrame(); }
  // Microseconds on the scale of NextFrameDue.
  virtual std::int64_t Microseconds() { return std::int64_t{TickCount()} * 1000; }
  // When the frame now being made is due to be presented; below 0 when this clock keeps
  // no schedule, and then every frame is drawn.
  virtual std::int64_t NextFrameDue() { return -1; }
};

// A platform sound buffer holding one decoded sound.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;
  virtual std::uint32_t CreateBuffer(const Pcm& pcm) = 0;  // 0 on failure
  virtual void DestroyBuffer(std::uint32_t buffer) = 0;
  // A voice plays a buffer; voices are what overlap.
  virtual std::uint32_t CreateVoice(std::uint32_t buffer) = 0;
  virtual void DestroyVoice(std::uint32_t voice) = 0;
  virtual void Play(std::uint32_t voice, bool looped) = 0;  // from the current position
  virtual void Stop(std::uint32_t voice) = 0;
  virtual void Rewind(std::uint32_t voice) = 0;
  virtual bool IsPlaying(std::uint32_t voice) = 0;
};

// One snapshot of the input devices, as a poll reads them.
struct KeyboardSnapshot {
  std::array<std::uint8_t, 256> keys{};  // DirectInput key codes; bit 7 = held
  // Non-zero for a key that went down since the previous read, held now or not.
  std::array<std::uint8_t, 256> pressed{};
};
struct GamepadSnapshot {
  int axisX = 0;  // -1000 .. +1000
  int axisY = 0;
  std::array<std::uint8_t, 32> buttons{};  // bit 7 = held
  std::array<std::uint8_t, 32> pressed{};  // non-zero: went down since the previous read
};
struct MouseDelta {
  int dx = 0, dy = 0, wheel = 0;
  std::array<bool, 3> buttons{};
};

class InputSource {
 public:
  virtual ~InputSource() = default;
  virtual bool ReadKeyboard(KeyboardSnapshot& out) = 0;  // false: device lost
  virtual bool OpenGamepad() = 0;                        // true when a pad is ready
  virtual bool ReadGamepad(GamepadSnapshot& out) = 0;    // false: poll failed
  virtual bool ReadMouse(MouseDelta& out) = 0;
};

// What an engine is made of; tests and the replay tool put headless parts in.
struct Backends {
  std::unique_ptr<Display> display;
  std::unique_ptr<Clock> clock;
  std::unique_ptr<InputSource> input;
  // Opens the sound device when the game starts its sound system; nullptr: no sound.
  std::function<std::unique_ptr<SoundDevice>()> openSound;
  // Registers the image decoders and the Ogg Vorbis decoder (a step of start-up).
  std::function<void(class Screen&, class Sounds&)> registerDecoders;
};

}  // namespace vorantis
