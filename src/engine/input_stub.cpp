// Placeholder until the input devices land.
#include "engine/input.h"

namespace vorantis {
struct InputDevices::State {
  InputSource* source;
  KeyboardSnapshot keys;
};
InputDevices::InputDevices(InputSource* source, Display*) : state_(new State{source, {}}) {}
InputDevices::~InputDevices() = default;
void InputDevices::StartKeyboard() {}
int InputDevices::PollKeyboard() {
  return state_->source && state_->source->ReadKeyboard(state_->keys) ? 1 : 0;
}
int InputDevices::KeyIsDown(int key) {
  if (key < 0) {
    for (int k = 0; k < 255; ++k)
      if (state_->keys.keys[k] & 0x80) return 1;
    return 0;
  }
  return key < 256 ? state_->keys.keys[key] & 0x80 : 0;
}
int InputDevices::KeyWasReleased(int) {
  return 0;
}
int InputDevices::StartGamepad() {
  return 0;
}
int InputDevices::PollGamepad() {
  return 0;
}
int InputDevices::GamepadAxisX() {
  return 0;
}
int InputDevices::GamepadAxisY() {
  return 0;
}
int InputDevices::GamepadButton(int) {
  return 0;
}
int InputDevices::StartMouse() {
  return 1;
}
int InputDevices::PollMouse() {
  return 0;
}
void InputDevices::PlaceMouse(int, int) {}
void InputDevices::SetScreenSize(int, int) {}
}  // namespace vorantis
