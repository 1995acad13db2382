// An input source whose state tests and the replay tool set before each poll.
#pragma once

#include "engine/backends.h"

namespace vorantis {

class ScriptedInput : public InputSource {
 public:
  void SetKey(int code, bool held) {
    if (code >= 0 && code < 256) keyboard.keys[code] = held ? 0x80 : 0;
  }
  // Buttons are numbered from 1, as the game asks for them.
  void SetButton(int number, bool held) {
    if (number >= 1 && number <= 32) pad.buttons[number - 1] = held ? 0x80 : 0;
  }

  bool ReadKeyboard(KeyboardSnapshot& out) override {
    if (keyboardFails) return false;
    out = keyboard;
    return true;
  }
  bool OpenGamepad() override { return padAttached; }
  bool ReadGamepad(GamepadSnapshot& out) override {
    if (!padAttached || padFails) return false;
    out = pad;
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
