#include "engine/platform/testing/sdl_virtual_pad.h"

#include <SDL.h>

namespace vorantis {

namespace {

SDL_GameControllerButton ToSdl(PadButton button) {
  switch (button) {
    case PadButton::kA:
      return SDL_CONTROLLER_BUTTON_A;
    case PadButton::kB:
      return SDL_CONTROLLER_BUTTON_B;
    case PadButton::kX:
      return SDL_CONTROLLER_BUTTON_X;
    case PadButton::kY:
      return SDL_CONTROLLER_BUTTON_Y;
    case PadButton::kBack:
      return SDL_CONTROLLER_BUTTON_BACK;
    case PadButton::kGuide:
      return SDL_CONTROLLER_BUTTON_GUIDE;
    case PadButton::kStart:
      return SDL_CONTROLLER_BUTTON_START;
    case PadButton::kLeftStick:
      return SDL_CONTROLLER_BUTTON_LEFTSTICK;
    case PadButton::kRightStick:
      return SDL_CONTROLLER_BUTTON_RIGHTSTICK;
    case PadButton::kLeftShoulder:
      return SDL_CONTROLLER_BUTTON_LEFTSHOULDER;
    case PadButton::kRightShoulder:
      return SDL_CONTROLLER_BUTTON_RIGHTSHOULDER;
    case PadButton::kDpadUp:
      return SDL_CONTROLLER_BUTTON_DPAD_UP;
    case PadButton::kDpadDown:
      return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    case PadButton::kDpadLeft:
      return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    case PadButton::kDpadRight:
      return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
  }
  return SDL_CONTROLLER_BUTTON_INVALID;
}

SDL_GameControllerAxis ToSdl(PadAxis axis) {
  switch (axis) {
    case PadAxis::kLeftX:
      return SDL_CONTROLLER_AXIS_LEFTX;
    case PadAxis::kLeftY:
      return SDL_CONTROLLER_AXIS_LEFTY;
    case PadAxis::kRightX:
      return SDL_CONTROLLER_AXIS_RIGHTX;
    case PadAxis::kRightY:
      return SDL_CONTROLLER_AXIS_RIGHTY;
    case PadAxis::kLeftTrigger:
      return SDL_CONTROLLER_AXIS_TRIGGERLEFT;
    case PadAxis::kRightTrigger:
      return SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
  }
  return SDL_CONTROLLER_AXIS_INVALID;
}

}  // namespace

struct VirtualPad::State {
  bool system = false;
  int deviceIndex = -1;
  SDL_Joystick* joystick = nullptr;
};

VirtualPad::VirtualPad() : state_(std::make_unique<State>()) {
  State& s = *state_;
  s.system = SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) == 0;
  if (!s.system) return;
  // A virtual joystick of the game-controller type gets SDL's standard mapping:
  // buttons and axes in SDL's own order.
  s.deviceIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                            SDL_CONTROLLER_BUTTON_MAX, 0);
  if (s.deviceIndex < 0) return;
  s.joystick = SDL_JoystickOpen(s.deviceIndex);
}

VirtualPad::~VirtualPad() {
  State& s = *state_;
  if (s.joystick) SDL_JoystickClose(s.joystick);
  if (s.deviceIndex >= 0) SDL_JoystickDetachVirtual(s.deviceIndex);
  if (s.system) SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
}

bool VirtualPad::attached() const {
  return state_->joystick != nullptr;
}

void VirtualPad::SetButton(PadButton button, bool held) {
  if (state_->joystick) SDL_JoystickSetVirtualButton(state_->joystick, ToSdl(button), held ? 1 : 0);
}

void VirtualPad::SetAxis(PadAxis axis, int value) {
  if (!state_->joystick) return;
  // Triggers travel 0 .. 32767 on the controller but span the joystick's full range.
  const bool trigger = axis == PadAxis::kLeftTrigger || axis == PadAxis::kRightTrigger;
  int raw = trigger ? value * 2 - 32768 : value;
  raw = raw < -32768 ? -32768 : raw > 32767 ? 32767 : raw;
  SDL_JoystickSetVirtualAxis(state_->joystick, ToSdl(axis), static_cast<Sint16>(raw));
}

void VirtualPad::Update() {
  if (state_->joystick) SDL_GameControllerUpdate();
}

}  // namespace vorantis
