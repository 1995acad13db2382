#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "engine/input.h"
#include "engine/platform/sdl_input.h"
#include "engine/platform/testing/sdl_virtual_pad.h"

namespace vorantis {
namespace {

TEST(SdlKeyboardMapping, PhysicalKeysHaveTheirDirectInputCodes) {
  const char* names[] = {
      "Escape",       "Y",         "P",          "A",    "D",        "X",      "C",        "B",
      "Space",        "Up",        "PageUp",     "Left", "Right",    "Down",   "PageDown", "Return",
      "Keypad Enter", "Left Ctrl", "Right Ctrl", "F12",  "Keypad 0", "Delete", "Z",        "no such key"};
  const int codes[] = {key::kEscape, key::kY,    key::kP,        key::kA,  key::kD,      key::kX,
                       key::kC,      key::kB,    key::kSpace,    key::kUp, key::kPageUp, key::kLeft,
                       key::kRight,  key::kDown, key::kPageDown, 0x1C,     0x9C,         0x1D,
                       0x9D,         0x58,       0x52,           0xD3,     0x2C,         0};
  for (int i = 0; i < 24; ++i) EXPECT_EQ(DirectInputKeyForKeyName(names[i]), codes[i]) << names[i];

  std::multiset<int> mapped;
  for (int scancode = 0; scancode < 512; ++scancode)
    if (int code = DirectInputKeyForScancode(scancode)) mapped.insert(code);
  EXPECT_GT(mapped.size(), 100u) << "a full keyboard is mapped";
  EXPECT_GE(*mapped.begin(), 1);
  EXPECT_LE(*mapped.rbegin(), 254) << "255 is never a key";
  // Only the ISO key beside Enter (same key as backslash) and the two mute keys share a code.
  std::set<int> shared;
  for (int code : mapped)
    if (mapped.count(code) > 1) shared.insert(code);
  EXPECT_EQ(shared, (std::set<int>{0x2B, 0xA0}));
}

TEST(SdlPad, ButtonsAreNumberedAsDirectInputPadsStickAndDpadSteerAndTapsCount) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  auto source = MakeSdlInput();
  InputDevices input(source.get(), nullptr);
  EXPECT_EQ(input.StartGamepad() + input.PollGamepad() + input.GamepadButton(10), 0) << "no pad yet";
  VirtualPad pad;
  if (!pad.attached()) GTEST_SKIP() << "SDL refused a virtual joystick";
  ASSERT_EQ(input.StartGamepad(), 1);
  using enum PadButton;
  const std::pair<PadButton, int> cases[] = {
      {kX, 1},    {kA, 2},      {kB, 3},          {kY, 4},           {kLeftShoulder, 5}, {kRightShoulder, 6},
      {kBack, 9}, {kStart, 10}, {kLeftStick, 11}, {kRightStick, 12}, {kGuide, 13}};
  for (auto [button, number] : cases) {
    pad.SetButton(button, true);
    ASSERT_EQ(input.PollGamepad(), 1);
    for (int n = 1; n <= 32; ++n)
      EXPECT_EQ(input.GamepadButton(n), n == number ? 0x80 : 0) << number << " " << n;
    pad.SetButton(button, false);
  }
  // Triggers count past half their travel.
  pad.SetAxis(PadAxis::kLeftTrigger, 32767);
  pad.SetAxis(PadAxis::kRightTrigger, 8000);
  input.PollGamepad();
  EXPECT_EQ(std::tuple(input.GamepadButton(7), input.GamepadButton(8)), std::tuple(0x80, 0));

  auto directions = [&] {
    input.PollGamepad();
    return std::tuple(input.GamepadAxisX(), input.GamepadAxisY());
  };
  pad.SetAxis(PadAxis::kLeftX, 32767);
  pad.SetAxis(PadAxis::kLeftY, -32768);
  EXPECT_EQ(directions(), std::tuple(1, -1));
  pad.SetAxis(PadAxis::kLeftX, 16384);  // half travel is 500 of 1000: inside the dead zone
  pad.SetAxis(PadAxis::kLeftY, 0);
  EXPECT_EQ(directions(), std::tuple(0, 0));
  pad.SetButton(kDpadLeft, true);
  pad.SetButton(kDpadDown, true);
  EXPECT_EQ(directions(), std::tuple(-1, 1));

  // A button pressed and let go between two reads reads held once.
  pad.SetButton(kB, true);
  pad.Update();
  pad.SetButton(kB, false);
  pad.Update();
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(3), 0x80) << "the tap is seen";
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(3), 0) << "and only once";
}

}  // namespace
}  // namespace vorantis
