#include <gtest/gtest.h>

#include "engine/headless.h"
#include "engine/input.h"
#include "engine/scripted_input.h"

namespace vorantis {
namespace {

// A display whose focus the test switches, recording pointer captures.
class FocusDisplay : public HeadlessDisplay {
 public:
  FocusDisplay() : HeadlessDisplay(640, 480) {}
  bool WindowHasFocus() override { return focused; }
  void CapturePointer(bool capture) override { captures.push_back(capture); }
  bool focused = true;
  std::vector<bool> captures;
};

struct InputFixture : ::testing::Test {
  ScriptedInput source;
  FocusDisplay display;
  InputDevices input{&source, &display};
};

using KeyboardTest = InputFixture;

TEST_F(KeyboardTest, HeldKeysAnswerTheirBitAndNothingBeforeTheFirstPoll) {
  source.SetKey(key::kSpace, true);
  EXPECT_EQ(input.KeyIsDown(key::kSpace), 0) << "no snapshot taken yet";
  ASSERT_EQ(input.PollKeyboard(), 1);
  EXPECT_EQ(input.KeyIsDown(key::kSpace), 0x80);
  EXPECT_EQ(input.KeyIsDown(key::kEscape), 0);
  EXPECT_EQ(input.KeyIsDown(key::kAny), 1);
  EXPECT_EQ(input.KeyIsDown(256), 0);
  EXPECT_EQ(input.KeyIsDown(-2), 0);
}

TEST_F(KeyboardTest, AnyKeyScansCodesUpTo254Only) {
  source.SetKey(255, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(255), 0x80);
  EXPECT_EQ(input.KeyIsDown(key::kAny), 0);
  source.SetKey(254, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kAny), 1);
}

TEST_F(KeyboardTest, ReleaseIsReportedOnceAfterTenHeldPasses) {
  source.SetKey(key::kPageUp, true);
  for (int pass = 0; pass < 10; ++pass) {
    input.PollKeyboard();
    EXPECT_EQ(input.KeyWasReleased(key::kPageUp), 0) << "pass " << pass;
  }
  source.SetKey(key::kPageUp, false);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kPageUp), 1);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kPageUp), 0) << "the latch is spent";
}

TEST_F(KeyboardTest, LatchesMoveOnlyWhenAsked) {
  // Held while nobody asked, then let go: never seen held, so no release.
  source.SetKey(key::kP, true);
  input.PollKeyboard();
  source.SetKey(key::kP, false);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kP), 0);

  // Seen held through "any key", released: one 1 from "any key", the per-key latch is spent too.
  source.SetKey(key::kP, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kAny), 0);
  source.SetKey(key::kP, false);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kAny), 1);
  EXPECT_EQ(input.KeyWasReleased(key::kP), 0);
}

TEST_F(KeyboardTest, FailedPollReadsAsNothingHeldUntilAReadSucceeds) {
  source.SetKey(key::kLeft, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kLeft), 0);

  source.keyboardFails = true;
  EXPECT_EQ(input.PollKeyboard(), 0);
  EXPECT_EQ(input.KeyIsDown(key::kLeft), 0);
  EXPECT_EQ(input.KeyIsDown(key::kAny), 0);
  EXPECT_EQ(input.KeyWasReleased(key::kLeft), 0) << "a lost device reports no release";

  source.keyboardFails = false;
  source.SetKey(key::kLeft, false);
  EXPECT_EQ(input.PollKeyboard(), 1);
  EXPECT_EQ(input.KeyWasReleased(key::kLeft), 1) << "the latch survived the lost poll";
}

TEST(KeyboardWithoutSource, AnswersNothing) {
  InputDevices input(nullptr, nullptr);
  input.StartKeyboard();
  EXPECT_EQ(input.PollKeyboard(), 0);
  EXPECT_EQ(input.KeyIsDown(key::kAny), 0);
  EXPECT_EQ(input.StartGamepad(), 0);
  EXPECT_EQ(input.PollGamepad(), 0);
  EXPECT_EQ(input.StartMouse(), 0);
  EXPECT_EQ(input.PollMouse(), 0);
}

using GamepadTest = InputFixture;

TEST_F(GamepadTest, StartsOnlyWhenAPadIsAttached) {
  EXPECT_EQ(input.StartGamepad(), 0);
  EXPECT_EQ(input.PollGamepad(), 0);
  source.padAttached = true;
  EXPECT_EQ(input.StartGamepad(), 1);
  EXPECT_EQ(input.PollGamepad(), 1);
}

TEST_F(GamepadTest, DeadZoneIncludesItsBounds) {
  source.padAttached = true;
  input.StartGamepad();
  struct Case {
    int axis;
    int direction;
  };
  for (Case c : {Case{500, 0}, Case{501, 1}, Case{-500, 0}, Case{-501, -1}, Case{1000, 1}, Case{-1000, -1},
                 Case{0, 0}}) {
    source.pad.axisX = c.axis;
    source.pad.axisY = -c.axis;
    input.PollGamepad();
    EXPECT_EQ(input.GamepadAxisX(), c.direction) << "x " << c.axis;
    EXPECT_EQ(input.GamepadAxisY(), -c.direction) << "y " << -c.axis;
  }
}

TEST_F(GamepadTest, FailedPollZeroesDirectionsButKeepsButtons) {
  source.padAttached = true;
  input.StartGamepad();
  source.pad.axisX = 1000;
  source.SetButton(10, true);
  source.SetButton(1, true);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadAxisX(), 1);
  EXPECT_EQ(input.GamepadButton(10), 0x80);

  source.padFails = true;
  source.SetButton(10, false);
  EXPECT_EQ(input.PollGamepad(), 0);
  EXPECT_EQ(input.GamepadAxisX(), 0);
  EXPECT_EQ(input.GamepadButton(10), 0x80);
  EXPECT_EQ(input.GamepadButton(1), 0x80);

  source.padFails = false;
  EXPECT_EQ(input.PollGamepad(), 1);
  EXPECT_EQ(input.GamepadButton(10), 0);
  EXPECT_EQ(input.GamepadAxisX(), 1);
}

TEST_F(GamepadTest, ButtonsOutsideOneTo32AnswerZero) {
  source.padAttached = true;
  input.StartGamepad();
  for (int b = 1; b <= 32; ++b) source.SetButton(b, true);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(32), 0x80);
  EXPECT_EQ(input.GamepadButton(0), 0);
  EXPECT_EQ(input.GamepadButton(33), 0);
  EXPECT_EQ(input.GamepadButton(-1), 0);
}

using MouseTest = InputFixture;

TEST_F(MouseTest, MovementAccumulatesAndIsClampedToTheScreen) {
  input.SetScreenSize(640, 480);
  ASSERT_EQ(input.StartMouse(), 1);
  input.PollMouse();  // captures; earlier motion is dropped
  source.mouse.dx = 100;
  source.mouse.dy = 50;
  source.mouse.buttons = {true, false, true};
  EXPECT_EQ(input.PollMouse(), 1);
  EXPECT_EQ(input.MouseX(), 100);
  EXPECT_EQ(input.MouseY(), 50);
  EXPECT_EQ(input.MouseButton(1), 1);
  EXPECT_EQ(input.MouseButton(2), 0);
  EXPECT_EQ(input.MouseButton(3), 1);

  source.mouse.dx = 10000;
  source.mouse.dy = -10000;
  input.PollMouse();
  EXPECT_EQ(input.MouseX(), 639);
  EXPECT_EQ(input.MouseY(), 0);

  input.PlaceMouse(0, 0);
  source.mouse.dx = -5;
  input.PollMouse();
  EXPECT_EQ(input.MouseX(), 0);
}

TEST_F(MouseTest, PointerIsCapturedInFocusAndGivenBackOutOfIt) {
  input.StartMouse();
  EXPECT_EQ(input.PollMouse(), 1);
  EXPECT_EQ(input.PollMouse(), 1);
  EXPECT_EQ(display.captures, std::vector<bool>{true});

  display.focused = false;
  source.mouse.dx = 30;
  EXPECT_EQ(input.PollMouse(), 0);
  EXPECT_EQ(input.PollMouse(), 0);
  EXPECT_EQ(display.captures, (std::vector<bool>{true, false}));

  display.focused = true;
  EXPECT_EQ(input.PollMouse(), 1);
  EXPECT_EQ(display.captures, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(input.MouseX(), 0) << "motion made while away does not move the game's pointer";
}

}  // namespace
}  // namespace vorantis
