// Input devices polled once per pass: keyboard, gamepad and mouse. Queries answer
// from the last snapshot. Key codes are DirectInput keyboard codes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/backends.h"

namespace vorantis {

namespace key {
inline constexpr int kEscape = 0x01;
inline constexpr int kY = 0x15;
inline constexpr int kP = 0x19;
inline constexpr int kA = 0x1E;
inline constexpr int kD = 0x20;
inline constexpr int kX = 0x2D;
inline constexpr int kC = 0x2E;
inline constexpr int kB = 0x30;
inline constexpr int kSpace = 0x39;
inline constexpr int kUp = 0xC8;
inline constexpr int kPageUp = 0xC9;
inline constexpr int kLeft = 0xCB;
inline constexpr int kRight = 0xCD;
inline constexpr int kDown = 0xD0;
inline constexpr int kPageDown = 0xD1;
inline constexpr int kAny = -1;
}  // namespace key

class InputDevices {
 public:
  InputDevices(InputSource* source, Display* display);
  ~InputDevices();
  InputDevices(const InputDevices&) = delete;
  InputDevices& operator=(const InputDevices&) = delete;

  void StartKeyboard();
  int PollKeyboard();
  int KeyIsDown(int key);
  int KeyWasReleased(int key);

  int StartGamepad();
  int PollGamepad();
  int GamepadAxisX();
  int GamepadAxisY();
  int GamepadButton(int button);

  int StartMouse();
  int PollMouse();
  void PlaceMouse(int x, int y);
  // The mouse position is clamped to the screen.
  void SetScreenSize(int width, int height);
  // The mouse as the last poll left it; buttons are numbered 1 to 3.
  int MouseX();
  int MouseY();
  int MouseWheel();
  int MouseButton(int button);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorantis
