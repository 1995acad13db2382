// Keyboard, gamepad and mouse read through SDL2.
#pragma once

#include <memory>

#include "engine/backends.h"

namespace vorantis {

// The keyboard by physical key (whatever the layout) in DirectInput key codes, the
// first game controller attached at start-up, and the mouse's relative motion.
std::unique_ptr<InputSource> MakeSdlInput();

// The DirectInput key code of an SDL scancode, 0 for keys without one.
int DirectInputKeyForScancode(int scancode);
// The same for a key given by SDL's scancode name (such as "Page Up"); 0 when unknown.
int DirectInputKeyForKeyName(const char* name);

// Alt+Enter (either Enter, not a repeat) switches the window; the Enter key of it never
// reaches the game.
bool IsWindowSwitchKey(int scancode, int modifiers, bool repeat);

}  // namespace vorantis
