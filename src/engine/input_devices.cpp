#include <algorithm>

#include "engine/input.h"

namespace vorantis {

namespace {

constexpr int kNoDevice = 0;
constexpr int kMade = 1;
constexpr int kAcquired = 2;
constexpr int kDeadZone = 500;
constexpr int kLastScannedKey = 254;  // "any key" never looks at code 255

bool Held(std::uint8_t state) {
  return (state & 0x80) != 0;
}

// A press let go again before a poll is shown as held from that poll until a query has
// read it, and is dropped at the poll after that: the controls read the keyboard twice
// a pass and look at different keys each time, so "shown at one poll" would lose it.
constexpr std::uint8_t kNoTap = 0;
constexpr std::uint8_t kTapShown = 1;
constexpr std::uint8_t kTapRead = 2;

// Moves the taps on by one poll and lays them over the fresh held states.
template <std::size_t N>
void ApplyTaps(std::array<std::uint8_t, N>& taps, std::array<std::uint8_t, N>& held,
               const std::array<std::uint8_t, N>& pressed) {
  for (std::size_t i = 0; i < N; ++i) {
    if (taps[i] == kTapRead) taps[i] = kNoTap;
    if (pressed[i] != 0 && !Held(held[i])) taps[i] = kTapShown;
    if (Held(held[i])) taps[i] = kNoTap;
    if (taps[i] != kNoTap) held[i] |= 0x80;
  }
}

int Direction(int axis) {
  if (axis < -kDeadZone) return -1;
  if (axis > kDeadZone) return 1;
  return 0;
}

}  // namespace

struct InputDevices::State {
  InputSource* source = nullptr;
  Display* display = nullptr;

  int keyboardDevice = kNoDevice;
  KeyboardSnapshot keys;
  std::array<std::uint8_t, 256> releaseLatches{};
  std::array<std::uint8_t, 256> keyTaps{};

  bool padReady = false;
  GamepadSnapshot pad;
  std::array<std::uint8_t, 32> buttonTaps{};
  int directionX = 0;
  int directionY = 0;

  bool mouseMade = false;
  bool pointerCaptured = false;
  int mouseX = 0;
  int mouseY = 0;
  int wheel = 0;
  std::array<bool, 3> mouseButtons{};
  int screenWidth = 0;
  int screenHeight = 0;

  void MarkRead(std::uint8_t& tap) {
    if (tap == kTapShown) tap = kTapRead;
  }

  // One key through the release rule; answers 1 when it was let go since last seen held.
  int ReleaseStep(int key) {
    MarkRead(keyTaps[key]);
    if (Held(keys.keys[key])) {
      releaseLatches[key] = 1;
      return 0;
    }
    if (releaseLatches[key] == 1) {
      releaseLatches[key] = 0;
      return 1;
    }
    return 0;
  }

  void ClampMouse() {
    if (screenWidth > 0) mouseX = std::clamp(mouseX, 0, screenWidth - 1);
    if (screenHeight > 0) mouseY = std::clamp(mouseY, 0, screenHeight - 1);
  }
};

InputDevices::InputDevices(InputSource* source, Display* display) : state_(std::make_unique<State>()) {
  state_->source = source;
  state_->display = display;
  // The keyboard device exists as soon as the engine does; it is acquired on the first poll.
  if (source) state_->keyboardDevice = kMade;
}

InputDevices::~InputDevices() = default;

void InputDevices::StartKeyboard() {
  if (state_->source && state_->keyboardDevice == kNoDevice) state_->keyboardDevice = kMade;
}

int InputDevices::PollKeyboard() {
  State& s = *state_;
  if (s.keyboardDevice == kNoDevice) return 0;
  if (s.keyboardDevice == kMade) s.keyboardDevice = kAcquired;
  if (!s.source->ReadKeyboard(s.keys)) {
    s.keyboardDevice = kMade;
    s.keys = KeyboardSnapshot{};
    s.keyTaps = {};
    return 0;
  }
  ApplyTaps(s.keyTaps, s.keys.keys, s.keys.pressed);
  return 1;
}

int InputDevices::KeyIsDown(int key) {
  State& s = *state_;
  if (s.keyboardDevice != kAcquired) return 0;
  if (key == key::kAny) {
    int any = 0;
    for (int k = 0; k <= kLastScannedKey; ++k) {
      s.MarkRead(s.keyTaps[k]);
      if (Held(s.keys.keys[k])) any = 1;
    }
    return any;
  }
  if (key < 0 || key > 255) return 0;
  s.MarkRead(s.keyTaps[key]);
  return s.keys.keys[key] & 0x80;
}

int InputDevices::KeyWasReleased(int key) {
  State& s = *state_;
  if (s.keyboardDevice != kAcquired) return 0;
  if (key == key::kAny) {
    int released = 0;
    for (int k = 0; k <= kLastScannedKey; ++k) released |= s.ReleaseStep(k);
    return released;
  }
  if (key < 0 || key > 255) return 0;
  return s.ReleaseStep(key);
}

int InputDevices::StartGamepad() {
  State& s = *state_;
  s.padReady = s.source && s.source->OpenGamepad();
  return s.padReady ? 1 : 0;
}

int InputDevices::PollGamepad() {
  State& s = *state_;
  s.directionX = 0;
  s.directionY = 0;
  if (!s.padReady) return 0;
  GamepadSnapshot fresh;
  // On failure the buttons keep answering from the last good snapshot.
  if (!s.source->ReadGamepad(fresh)) return 0;
  s.pad = fresh;
  ApplyTaps(s.buttonTaps, s.pad.buttons, s.pad.pressed);
  s.directionX = Direction(s.pad.axisX);
  s.directionY = Direction(s.pad.axisY);
  return 1;
}

int InputDevices::GamepadAxisX() {
  return state_->directionX;
}

int InputDevices::GamepadAxisY() {
  return state_->directionY;
}

int InputDevices::GamepadButton(int button) {
  if (button < 1 || button > 32) return 0;
  state_->MarkRead(state_->buttonTaps[button - 1]);
  return state_->pad.buttons[button - 1] & 0x80;
}

int InputDevices::StartMouse() {
  State& s = *state_;
  s.mouseMade = s.source != nullptr;
  s.pointerCaptured = false;
  return s.mouseMade ? 1 : 0;
}

int InputDevices::PollMouse() {
  State& s = *state_;
  if (!s.mouseMade) return 0;
  bool focused = s.display != nullptr && s.display->WindowHasFocus();
  if (!focused) {
    if (s.pointerCaptured) {
      s.display->CapturePointer(false);
      s.pointerCaptured = false;
    }
    return 0;
  }
  if (!s.pointerCaptured) {
    s.display->CapturePointer(true);
    s.pointerCaptured = true;
    // A freshly acquired device has nothing buffered: motion from before is dropped.
    MouseDelta stale;
    s.source->ReadMouse(stale);
  }
  MouseDelta delta;
  if (!s.source->ReadMouse(delta)) return 0;
  s.mouseX += delta.dx;
  s.mouseY += delta.dy;
  s.wheel += delta.wheel;
  s.mouseButtons = delta.buttons;
  s.ClampMouse();
  return 1;
}

void InputDevices::PlaceMouse(int x, int y) {
  state_->mouseX = x;
  state_->mouseY = y;
}

void InputDevices::SetScreenSize(int width, int height) {
  state_->screenWidth = width;
  state_->screenHeight = height;
  state_->ClampMouse();
}

int InputDevices::MouseX() {
  return state_->mouseX;
}

int InputDevices::MouseY() {
  return state_->mouseY;
}

int InputDevices::MouseWheel() {
  return state_->wheel;
}

int InputDevices::MouseButton(int button) {
  if (button < 1 || button > 3) return 0;
  return state_->mouseButtons[button - 1] ? 1 : 0;
}

}  // namespace vorantis
