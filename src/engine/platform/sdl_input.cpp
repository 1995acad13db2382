#include "engine/platform/sdl_input.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <utility>

namespace vorantis {

namespace {

// Physical keys of a standard keyboard (SDL scancodes are USB usage codes) and
// the DirectInput codes the same keys have.
constexpr std::pair<SDL_Scancode, int> kKeyTable[] = {
    {SDL_SCANCODE_ESCAPE, 0x01},
    {SDL_SCANCODE_1, 0x02},
    {SDL_SCANCODE_2, 0x03},
    {SDL_SCANCODE_3, 0x04},
    {SDL_SCANCODE_4, 0x05},
    {SDL_SCANCODE_5, 0x06},
    {SDL_SCANCODE_6, 0x07},
    {SDL_SCANCODE_7, 0x08},
    {SDL_SCANCODE_8, 0x09},
    {SDL_SCANCODE_9, 0x0A},
    {SDL_SCANCODE_0, 0x0B},
    {SDL_SCANCODE_MINUS, 0x0C},
    {SDL_SCANCODE_EQUALS, 0x0D},
    {SDL_SCANCODE_BACKSPACE, 0x0E},
    {SDL_SCANCODE_TAB, 0x0F},
    {SDL_SCANCODE_Q, 0x10},
    {SDL_SCANCODE_W, 0x11},
    {SDL_SCANCODE_E, 0x12},
    {SDL_SCANCODE_R, 0x13},
    {SDL_SCANCODE_T, 0x14},
    {SDL_SCANCODE_Y, 0x15},
    {SDL_SCANCODE_U, 0x16},
    {SDL_SCANCODE_I, 0x17},
    {SDL_SCANCODE_O, 0x18},
    {SDL_SCANCODE_P, 0x19},
    {SDL_SCANCODE_LEFTBRACKET, 0x1A},
    {SDL_SCANCODE_RIGHTBRACKET, 0x1B},
    {SDL_SCANCODE_RETURN, 0x1C},
    {SDL_SCANCODE_LCTRL, 0x1D},
    {SDL_SCANCODE_A, 0x1E},
    {SDL_SCANCODE_S, 0x1F},
    {SDL_SCANCODE_D, 0x20},
    {SDL_SCANCODE_F, 0x21},
    {SDL_SCANCODE_G, 0x22},
    {SDL_SCANCODE_H, 0x23},
    {SDL_SCANCODE_J, 0x24},
    {SDL_SCANCODE_K, 0x25},
    {SDL_SCANCODE_L, 0x26},
    {SDL_SCANCODE_SEMICOLON, 0x27},
    {SDL_SCANCODE_APOSTROPHE, 0x28},
    {SDL_SCANCODE_GRAVE, 0x29},
    {SDL_SCANCODE_LSHIFT, 0x2A},
    {SDL_SCANCODE_BACKSLASH, 0x2B},
    {SDL_SCANCODE_NONUSHASH, 0x2B},
    {SDL_SCANCODE_Z, 0x2C},
    {SDL_SCANCODE_X, 0x2D},
    {SDL_SCANCODE_C, 0x2E},
    {SDL_SCANCODE_V, 0x2F},
    {SDL_SCANCODE_B, 0x30},
    {SDL_SCANCODE_N, 0x31},
    {SDL_SCANCODE_M, 0x32},
    {SDL_SCANCODE_COMMA, 0x33},
    {SDL_SCANCODE_PERIOD, 0x34},
    {SDL_SCANCODE_SLASH, 0x35},
    {SDL_SCANCODE_RSHIFT, 0x36},
    {SDL_SCANCODE_KP_MULTIPLY, 0x37},
    {SDL_SCANCODE_LALT, 0x38},
    {SDL_SCANCODE_SPACE, 0x39},
    {SDL_SCANCODE_CAPSLOCK, 0x3A},
    {SDL_SCANCODE_F1, 0x3B},
    {SDL_SCANCODE_F2, 0x3C},
    {SDL_SCANCODE_F3, 0x3D},
    {SDL_SCANCODE_F4, 0x3E},
    {SDL_SCANCODE_F5, 0x3F},
    {SDL_SCANCODE_F6, 0x40},
    {SDL_SCANCODE_F7, 0x41},
    {SDL_SCANCODE_F8, 0x42},
    {SDL_SCANCODE_F9, 0x43},
    {SDL_SCANCODE_F10, 0x44},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x45},
    {SDL_SCANCODE_SCROLLLOCK, 0x46},
    {SDL_SCANCODE_KP_7, 0x47},
    {SDL_SCANCODE_KP_8, 0x48},
    {SDL_SCANCODE_KP_9, 0x49},
    {SDL_SCANCODE_KP_MINUS, 0x4A},
    {SDL_SCANCODE_KP_4, 0x4B},
    {SDL_SCANCODE_KP_5, 0x4C},
    {SDL_SCANCODE_KP_6, 0x4D},
    {SDL_SCANCODE_KP_PLUS, 0x4E},
    {SDL_SCANCODE_KP_1, 0x4F},
    {SDL_SCANCODE_KP_2, 0x50},
    {SDL_SCANCODE_KP_3, 0x51},
    {SDL_SCANCODE_KP_0, 0x52},
    {SDL_SCANCODE_KP_PERIOD, 0x53},
    {SDL_SCANCODE_NONUSBACKSLASH, 0x56},
    {SDL_SCANCODE_F11, 0x57},
    {SDL_SCANCODE_F12, 0x58},
    {SDL_SCANCODE_F13, 0x64},
    {SDL_SCANCODE_F14, 0x65},
    {SDL_SCANCODE_F15, 0x66},
    {SDL_SCANCODE_INTERNATIONAL2, 0x70},
    {SDL_SCANCODE_INTERNATIONAL1, 0x73},
    {SDL_SCANCODE_INTERNATIONAL4, 0x79},
    {SDL_SCANCODE_INTERNATIONAL5, 0x7B},
    {SDL_SCANCODE_INTERNATIONAL3, 0x7D},
    {SDL_SCANCODE_KP_EQUALS, 0x8D},
    {SDL_SCANCODE_AUDIOPREV, 0x90},
    {SDL_SCANCODE_AUDIONEXT, 0x99},
    {SDL_SCANCODE_KP_ENTER, 0x9C},
    {SDL_SCANCODE_RCTRL, 0x9D},
    {SDL_SCANCODE_MUTE, 0xA0},
    {SDL_SCANCODE_AUDIOMUTE, 0xA0},
    {SDL_SCANCODE_CALCULATOR, 0xA1},
    {SDL_SCANCODE_AUDIOPLAY, 0xA2},
    {SDL_SCANCODE_AUDIOSTOP, 0xA4},
    {SDL_SCANCODE_VOLUMEDOWN, 0xAE},
    {SDL_SCANCODE_VOLUMEUP, 0xB0},
    {SDL_SCANCODE_AC_HOME, 0xB2},
    {SDL_SCANCODE_KP_COMMA, 0xB3},
    {SDL_SCANCODE_KP_DIVIDE, 0xB5},
    {SDL_SCANCODE_PRINTSCREEN, 0xB7},
    {SDL_SCANCODE_RALT, 0xB8},
    {SDL_SCANCODE_PAUSE, 0xC5},
    {SDL_SCANCODE_HOME, 0xC7},
    {SDL_SCANCODE_UP, 0xC8},
    {SDL_SCANCODE_PAGEUP, 0xC9},
    {SDL_SCANCODE_LEFT, 0xCB},
    {SDL_SCANCODE_RIGHT, 0xCD},
    {SDL_SCANCODE_END, 0xCF},
    {SDL_SCANCODE_DOWN, 0xD0},
    {SDL_SCANCODE_PAGEDOWN, 0xD1},
    {SDL_SCANCODE_INSERT, 0xD2},
    {SDL_SCANCODE_DELETE, 0xD3},
    {SDL_SCANCODE_LGUI, 0xDB},
    {SDL_SCANCODE_RGUI, 0xDC},
    {SDL_SCANCODE_APPLICATION, 0xDD},
    {SDL_SCANCODE_POWER, 0xDE},
    {SDL_SCANCODE_SLEEP, 0xDF},
    {SDL_SCANCODE_AC_SEARCH, 0xE5},
    {SDL_SCANCODE_AC_BOOKMARKS, 0xE6},
    {SDL_SCANCODE_AC_REFRESH, 0xE7},
    {SDL_SCANCODE_AC_STOP, 0xE8},
    {SDL_SCANCODE_AC_FORWARD, 0xE9},
    {SDL_SCANCODE_AC_BACK, 0xEA},
    {SDL_SCANCODE_COMPUTER, 0xEB},
    {SDL_SCANCODE_MAIL, 0xEC},
    {SDL_SCANCODE_MEDIASELECT, 0xED},
};

// Button numbers as pads of the DirectInput era reported them, from 1.
struct PadButtonNumber {
  SDL_GameControllerButton button;
  int number;
};
constexpr PadButtonNumber kPadButtons[] = {
    {SDL_CONTROLLER_BUTTON_X, 1},
    {SDL_CONTROLLER_BUTTON_A, 2},
    {SDL_CONTROLLER_BUTTON_B, 3},
    {SDL_CONTROLLER_BUTTON_Y, 4},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 5},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 6},
    {SDL_CONTROLLER_BUTTON_BACK, 9},
    {SDL_CONTROLLER_BUTTON_START, 10},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, 11},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, 12},
    {SDL_CONTROLLER_BUTTON_GUIDE, 13},
    {SDL_CONTROLLER_BUTTON_MISC1, 14},
    {SDL_CONTROLLER_BUTTON_PADDLE1, 15},
    {SDL_CONTROLLER_BUTTON_PADDLE2, 16},
    {SDL_CONTROLLER_BUTTON_PADDLE3, 17},
    {SDL_CONTROLLER_BUTTON_PADDLE4, 18},
    {SDL_CONTROLLER_BUTTON_TOUCHPAD, 19},
};
constexpr int kLeftTriggerNumber = 7;
constexpr int kRightTriggerNumber = 8;
// A trigger counts as a held button past half its travel.
constexpr int kTriggerHeld = 16384;
constexpr int kAxisRange = 1000;

int ScaleAxis(Sint16 value) {
  return std::clamp(static_cast<int>(value) * kAxisRange / 32767, -kAxisRange, kAxisRange);
}

int PadButtonNumberOf(int button) {
  for (const PadButtonNumber& b : kPadButtons)
    if (b.button == button) return b.number;
  return 0;
}

class SdlInput : public InputSource {
 public:
  ~SdlInput() override {
    if (watching_) SDL_DelEventWatch(WatchEvent, this);
    if (pad_) SDL_GameControllerClose(pad_);
    if (padSystem_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  }

  bool ReadKeyboard(KeyboardSnapshot& out) override {
    // Foreground only: without the keyboard focus the device counts as lost.
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
      Watch();
      SDL_PumpEvents();
      SDL_FlushEvent(SDL_KEYDOWN);
      if (SDL_GetKeyboardFocus() == nullptr) {
        keyPresses_ = {};
        return false;
      }
    }
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    out = KeyboardSnapshot{};
    for (const auto& [scancode, code] : kKeyTable)
      if (scancode < count && state[scancode]) out.keys[static_cast<std::size_t>(code)] = 0x80;
    out.pressed = keyPresses_;
    keyPresses_ = {};
    // The Enter of Alt+Enter stays hidden until it is let go.
    if (switchEnter_ != SDL_SCANCODE_UNKNOWN) {
      if (switchEnter_ < count && state[switchEnter_]) {
        out.keys[static_cast<std::size_t>(DirectInputKeyForScancode(switchEnter_))] = 0;
      } else {
        switchEnter_ = SDL_SCANCODE_UNKNOWN;
      }
    }
    return true;
  }

  bool OpenGamepad() override {
    if (!padSystem_) padSystem_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!padSystem_) return false;
    Watch();
    return OpenFirstController();
  }

  bool ReadGamepad(GamepadSnapshot& out) override {
    if (!padSystem_) return false;
    SDL_GameControllerUpdate();
    if (pad_ && !SDL_GameControllerGetAttached(pad_)) {
      SDL_GameControllerClose(pad_);
      pad_ = nullptr;
      return false;
    }
    // A lost pad is looked for again on the next poll.
    if (!pad_ && !OpenFirstController()) return false;

    GamepadSnapshot snapshot;
    snapshot.axisX = ScaleAxis(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX));
    snapshot.axisY = ScaleAxis(SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_LEFTY));
    // The d-pad drives the same directions, as many pads once reported it.
    if (Held(SDL_CONTROLLER_BUTTON_DPAD_LEFT)) snapshot.axisX = -kAxisRange;
    if (Held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) snapshot.axisX = kAxisRange;
    if (Held(SDL_CONTROLLER_BUTTON_DPAD_UP)) snapshot.axisY = -kAxisRange;
    if (Held(SDL_CONTROLLER_BUTTON_DPAD_DOWN)) snapshot.axisY = kAxisRange;
    for (const PadButtonNumber& b : kPadButtons)
      if (Held(b.button)) snapshot.buttons[static_cast<std::size_t>(b.number - 1)] = 0x80;
    if (SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_TRIGGERLEFT) >= kTriggerHeld)
      snapshot.buttons[kLeftTriggerNumber - 1] = 0x80;
    if (SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) >= kTriggerHeld)
      snapshot.buttons[kRightTriggerNumber - 1] = 0x80;
    snapshot.pressed = buttonPresses_;
    buttonPresses_ = {};
    out = snapshot;
    return true;
  }

  bool ReadMouse(MouseDelta& out) override {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    int dx = 0, dy = 0;
    const Uint32 buttons = SDL_GetRelativeMouseState(&dx, &dy);
    out = MouseDelta{};
    out.dx = dx;
    out.dy = dy;
    out.buttons = {(buttons & SDL_BUTTON_LMASK) != 0, (buttons & SDL_BUTTON_RMASK) != 0,
                   (buttons & SDL_BUTTON_MMASK) != 0};
    return true;
  }

 private:
  bool Held(SDL_GameControllerButton button) { return SDL_GameControllerGetButton(pad_, button) != 0; }

  // Presses are taken from the events as SDL queues them, so a key or button let go
  // again before the next read is still reported.
  void Watch() {
    if (watching_) return;
    SDL_AddEventWatch(WatchEvent, this);
    watching_ = true;
  }

  static int SDLCALL WatchEvent(void* self, SDL_Event* event) {
    static_cast<SdlInput*>(self)->Note(*event);
    return 0;
  }

  void Note(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
      const SDL_Keysym& keysym = event.key.keysym;
      if (IsWindowSwitchKey(keysym.scancode, keysym.mod, false)) {
        switchEnter_ = keysym.scancode;
        return;
      }
      const int code = DirectInputKeyForScancode(keysym.scancode);
      if (code != 0) keyPresses_[static_cast<std::size_t>(code)] = 1;
    } else if (event.type == SDL_CONTROLLERBUTTONDOWN && pad_ != nullptr &&
               event.cbutton.which == SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad_))) {
      const int number = PadButtonNumberOf(event.cbutton.button);
      if (number != 0) buttonPresses_[static_cast<std::size_t>(number - 1)] = 1;
    }
  }

  bool watching_ = false;
  std::array<std::uint8_t, 256> keyPresses_{};
  std::array<std::uint8_t, 32> buttonPresses_{};
  SDL_Scancode switchEnter_ = SDL_SCANCODE_UNKNOWN;

  bool OpenFirstController() {
    if (pad_) return true;
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count && !pad_; ++i)
      if (SDL_IsGameController(i)) pad_ = SDL_GameControllerOpen(i);
    return pad_ != nullptr;
  }

  bool padSystem_ = false;
  SDL_GameController* pad_ = nullptr;
};

}  // namespace

std::unique_ptr<InputSource> MakeSdlInput() {
  return std::make_unique<SdlInput>();
}

int DirectInputKeyForScancode(int scancode) {
  for (const auto& [from, code] : kKeyTable)
    if (from == scancode) return code;
  return 0;
}

bool IsWindowSwitchKey(int scancode, int modifiers, bool repeat) {
  return !repeat && (modifiers & KMOD_ALT) != 0 &&
         (scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER);
}

int DirectInputKeyForKeyName(const char* name) {
  const SDL_Scancode scancode = SDL_GetScancodeFromName(name);
  return scancode == SDL_SCANCODE_UNKNOWN ? 0 : DirectInputKeyForScancode(scancode);
}

}  // namespace vorantis
