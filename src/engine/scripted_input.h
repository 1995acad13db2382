// An input source whose state tests and the replay tool set before each poll.
#pragma once

#include "engine/backends.h"

namespace vorantis {

class ScriptedInput : public InputSource {
 public:
  // A press is remembered until the next successful read, as a real keyboard's event would be.
  void SetKey(int code, bool held) {
    if (code < 0 || code >= 256) return;
    if (held && keyboard.keys[code] == 0) keyboard.pressed[code] = 1;
    keyboard.keys[code] = held ? 0x80 : 0;
  }
  // Buttons are numbered from 1, as the game asks for them.
  void SetButton(int number, bool held) {
    if (number < 1 || number > 32) return;
    if (held && pad.buttons[number - 1] == 0) pad.pressed[number - 1] = 1;
    pad.buttons[number - 1] = held ? 0x80 : 0;
  }

  bool ReadKeyboard(KeyboardSnapshot& out) override {
    if (keyboardFails) return false;
    out = keyboard;
    keyboard.pressed = {};
    return true;
  }
  bool OpenGamepad() override { return padAttached; }
  bool ReadGamepad(GamepadSnapshot& out) override {
    if (!padAttached || padFails) return false;
    out = pad;
    pad.pressed = {};
    return true;
  }
  bool ReadMouse(MouseDelta& out) override {
    out = mouse;
    mouse = MouseDelta{};
    return true;
  }

  KeyboardSnapshot keyboard;
  GamepadSnapshot pad;
  MouseDelta mouse;
  bool padAttached = false;
  bool keyboardFails = false;
  bool padFails = false;
};

}  // namespace vorantis
