#include "controls/controls.h"

#include <initializer_list>
#include <iterator>

#include "controls/bomb.h"
#include "controls/cursor_step.h"
#include "controls/dialogs.h"
#include "core/game.h"
#include "core/saturating.h"
#include "engine/engine.h"
#include "engine/input.h"

namespace vorantis {

namespace {

int ScanKeyboardDirection(Game& game) {
  InputDevices& input = game.engine.input();
  input.PollKeyboard();
  const bool up = input.KeyIsDown(key::kUp) != 0;
  const bool left = input.KeyIsDown(key::kLeft) != 0;
  const bool right = input.KeyIsDown(key::kRight) != 0;
  const bool down = input.KeyIsDown(key::kDown) != 0;
  // Later keys replace earlier ones: Left+Right gives right, Up+Down gives down.
  int direction = control::kNone;
  if (up) direction = control::kUp;
  if (left) direction = control::kLeft;
  if (right) direction = control::kRight;
  if (down) direction = control::kDown;

  if (input.KeyWasReleased(key::kPageDown) != 0) AddSaturating(game.play.levelNumber, -1);
  if (input.KeyWasReleased(key::kPageUp) != 0) AddSaturating(game.play.levelNumber, 1);

  const bool vertical = up || down;
  const bool horizontal = left || right;
  if (vertical && horizontal) direction = control::kNone;
  return direction;
}

int ScanGamepadDirection(Game& game) {
  InputDevices& input = game.engine.input();
  input.PollGamepad();
  int direction = control::kNone;
  const int x = input.GamepadAxisX();
  if (x == 1) direction = control::kRight;
  if (x == -1) direction = control::kLeft;
  // The vertical axis comes last, so a diagonal stick steps vertically.
  const int y = input.GamepadAxisY();
  if (y == 1) direction = control::kDown;
  if (y == -1) direction = control::kUp;
  return direction;
}

int ScanKeyboardAction(Game& game) {
  InputDevices& input = game.engine.input();
  input.PollKeyboard();
  int action = control::kNone;
  if (input.KeyIsDown(key::kSpace) != 0 || input.KeyIsDown(key::kA) != 0) action = control::kPrimary;
  if (input.KeyIsDown(key::kB) != 0) action = control::kActionB;
  if (input.KeyIsDown(key::kC) != 0 || input.KeyIsDown(key::kX) != 0) action = control::kActionX;
  if (input.KeyIsDown(key::kD) != 0 || input.KeyIsDown(key::kY) != 0) action = control::kActionY;
  if (input.KeyIsDown(key::kEscape) != 0) action = control::kQuit;
  if (input.KeyIsDown(key::kP) != 0) action = control::kPause;
  // Any other key, or none, counts as the primary control released.
  if (action != control::kPrimary) game.controls.primaryReleasedMark = PrimaryMark::kReleased;
  return action;
}

// The actions of gamepad buttons 5 to 8 (shoulders, then triggers): they answer nothing.
constexpr int kActionLeftTrigger = 10;
constexpr int kActionRightTrigger = 11;
constexpr int kActionLeftShoulder = 12;
constexpr int kActionRightShoulder = 13;

constexpr bool AllDistinct(std::initializer_list<int> codes) {
  for (const int* a = codes.begin(); a != codes.end(); ++a) {
    for (const int* b = a + 1; b != codes.end(); ++b) {
      if (*a == *b) return false;
    }
  }
  return true;
}
static_assert(AllDistinct({control::kUp, control::kDown, control::kLeft, control::kRight, control::kPrimary,
                           control::kActionB, control::kActionX, control::kActionY, kActionLeftTrigger,
                           kActionRightTrigger, kActionLeftShoulder, kActionRightShoulder, control::kPause,
                           control::kQuit, control::kNone}));

// The action of each gamepad button 1..10; the lowest held button decides.
constexpr int kButtonActions[] = {
    control::kActionX,    control::kPrimary,  control::kActionB,   control::kActionY, kActionLeftShoulder,
    kActionRightShoulder, kActionLeftTrigger, kActionRightTrigger, control::kQuit,    control::kPause,
};
constexpr int kButtonCount = static_cast<int>(std::size(kButtonActions));
constexpr int kPrimaryButton = 2;

int ScanGamepadAction(Game& game) {
  InputDevices& input = game.engine.input();
  input.PollGamepad();
  int action = control::kNone;
  for (int button = 1; button <= kButtonCount; ++button) {
    if (input.GamepadButton(button) != 0) {
      action = kButtonActions[button - 1];
      break;
    }
  }
  if (input.GamepadButton(kPrimaryButton) == 0) game.controls.primaryReleasedMark = PrimaryMark::kReleased;
  return action;
}

// Arms the bomb after a release of the primary control, then acts: a dialog, a bomb
// or nothing (the remaining actions only answer dialogs).
void DispatchAction(Game& game, int action) {
  ControlsState& controls = game.controls;
  if (controls.primaryReleasedMark == PrimaryMark::kReleased) controls.armed = 1;
  switch (action) {
    case control::kPause:
      // One dialog at a time: the answer then always closes the dialog on screen.
      if (!controls.dialogOpen) RunPauseDialog(game);
      break;
    case control::kQuit:
      if (!controls.dialogOpen) RunQuitDialog(game);
      break;
    case control::kPrimary:
      if (controls.armed == 1) {
        UseBomb(game);
        controls.armed = 0;
        controls.primaryReleasedMark = PrimaryMark::kUsed;
      }
      break;
    default:
      break;
  }
}

// Reads the action held this pass into controls.lastAction, updates the
// primary-released mark and dispatches the action.
void ScanActions(Game& game) {
  const int action = game.gamepadPresent == 1 ? ScanGamepadAction(game) : ScanKeyboardAction(game);
  game.controls.lastAction = action;
  if (action != control::kNone) DispatchAction(game, action);
}

// The direction held this pass (control::kUp .. control::kNone). On the keyboard it
// also applies Page Up and Page Down released since the last pass.
int ScanDirection(Game& game) {
  return game.gamepadPresent == 1 ? ScanGamepadDirection(game) : ScanKeyboardDirection(game);
}

}  // namespace

void PollControls(Game& game) {
  if (game.observer) game.observer->OnControlsPoll();
  ControlsState& controls = game.controls;
  controls.direction = ScanDirection(game);
  ScanActions(game);

  // A dialog's own polls run inside ScanActions and share direction and stepDelay.
  Cursor& cursor = game.play.cursor;
  cursor.stepDelay += 1;
  if (cursor.stepDelay > game.settings.cursorDelay) {
    if (controls.direction != control::kNone) StepCursor(game, controls.direction);
    cursor.stepDelay = 0;
  }
}

}  // namespace vorantis
