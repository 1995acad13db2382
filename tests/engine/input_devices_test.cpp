#include <gtest/gtest.h>

#include <tuple>
#include <vector>

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

struct InputTest : ::testing::Test {
  ScriptedInput source;
  FocusDisplay display;
  InputDevices input{&source, &display};
};

TEST_F(InputTest, HeldKeysAnswerTheirBitAndAnyKeyScansUpTo254) {
  source.SetKey(key::kSpace, true);
  EXPECT_EQ(input.KeyIsDown(key::kSpace), 0) << "no snapshot taken yet";
  ASSERT_EQ(input.PollKeyboard(), 1);
  EXPECT_EQ(input.KeyIsDown(key::kSpace), 0x80);
  EXPECT_EQ(input.KeyIsDown(key::kEscape), 0);
  EXPECT_EQ(input.KeyIsDown(key::kAny), 1);
  EXPECT_EQ(input.KeyIsDown(256) + input.KeyIsDown(-2), 0);
  source.SetKey(key::kSpace, false);
  source.SetKey(255, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(255), 0x80);
  EXPECT_EQ(input.KeyIsDown(key::kAny), 0);
}

TEST_F(InputTest, ReleaseLatchesMoveOnlyWhenAsked) {
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

// The controls poll twice a pass and read different keys each time: a tap is shown
// from the poll after it until a query has read it, then dropped at the next poll.
TEST_F(InputTest, KeyTappedBetweenPollsReadsHeldOnceItsQueryComes) {
  source.SetKey(key::kEscape, true);
  source.SetKey(key::kEscape, false);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kUp), 0);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kEscape), 0x80);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kEscape), 0) << "read once, then gone";

  // Seen by "any key" too, as on the title screen.
  source.SetKey(key::kB, true);
  source.SetKey(key::kB, false);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kAny), 1);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kB), 0);

  // A held key read at a poll and let go before the next is not shown again.
  source.SetKey(key::kSpace, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kSpace), 0x80);
  source.SetKey(key::kSpace, false);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyIsDown(key::kSpace), 0);
}

// Held, a key reports its release once; tapped between polls, at the next poll.
TEST_F(InputTest, ReleaseIsReportedOnceAfterHeldPassesOrATap) {
  for (int heldPolls : {10, 0}) {
    source.SetKey(key::kPageUp, true);
    for (int poll = 0; poll < heldPolls; ++poll) {
      input.PollKeyboard();
      EXPECT_EQ(input.KeyWasReleased(key::kPageUp), 0) << "poll " << poll;
    }
    source.SetKey(key::kPageUp, false);
    std::vector<int> released;
    for (int poll = 0; poll < 3; ++poll) {
      input.PollKeyboard();
      released.push_back(input.KeyWasReleased(key::kPageUp));
    }
    EXPECT_EQ(released, (heldPolls ? std::vector<int>{1, 0, 0} : std::vector<int>{0, 1, 0})) << heldPolls;
  }
}

TEST_F(InputTest, FailedKeyboardPollReadsAsNothingHeldUntilAReadSucceeds) {
  source.SetKey(key::kLeft, true);
  input.PollKeyboard();
  EXPECT_EQ(input.KeyWasReleased(key::kLeft), 0);
  source.keyboardFails = true;
  EXPECT_EQ(input.PollKeyboard(), 0);
  EXPECT_EQ(input.KeyIsDown(key::kLeft) + input.KeyIsDown(key::kAny), 0);
  EXPECT_EQ(input.KeyWasReleased(key::kLeft), 0) << "a lost device reports no release";
  source.keyboardFails = false;
  source.SetKey(key::kLeft, false);
  EXPECT_EQ(input.PollKeyboard(), 1);
  EXPECT_EQ(input.KeyWasReleased(key::kLeft), 1) << "the latch survived the lost poll";
}

TEST(InputWithoutSource, AnswersNothing) {
  InputDevices input(nullptr, nullptr);
  input.StartKeyboard();
  EXPECT_EQ(input.PollKeyboard() + input.KeyIsDown(key::kAny) + input.StartGamepad() + input.PollGamepad() +
                input.StartMouse() + input.PollMouse(),
            0);
}

TEST_F(InputTest, GamepadStartsOnlyWhenAttachedAndItsDeadZoneIncludesItsBounds) {
  EXPECT_EQ(input.StartGamepad() + input.PollGamepad(), 0);
  source.padAttached = true;
  EXPECT_EQ(input.StartGamepad(), 1);
  for (auto [axis, direction] : {std::pair{500, 0}, {501, 1}, {-500, 0}, {-501, -1}, {1000, 1}, {0, 0}}) {
    source.pad.axisX = axis;
    source.pad.axisY = -axis;
    EXPECT_EQ(input.PollGamepad(), 1);
    EXPECT_EQ(input.GamepadAxisX(), direction) << "x " << axis;
    EXPECT_EQ(input.GamepadAxisY(), -direction) << "y " << -axis;
  }
}

TEST_F(InputTest, FailedGamepadPollZeroesDirectionsButKeepsButtons) {
  source.padAttached = true;
  input.StartGamepad();
  source.pad.axisX = 1000;
  for (int b : {1, 10, 32}) source.SetButton(b, true);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadAxisX(), 1);
  EXPECT_EQ(input.GamepadButton(32), 0x80);
  EXPECT_EQ(input.GamepadButton(0) + input.GamepadButton(33) + input.GamepadButton(-1), 0);

  source.padFails = true;
  source.SetButton(10, false);
  EXPECT_EQ(input.PollGamepad(), 0);
  EXPECT_EQ(input.GamepadAxisX(), 0);
  EXPECT_EQ(input.GamepadButton(10), 0x80);
  source.padFails = false;
  EXPECT_EQ(input.PollGamepad(), 1);
  EXPECT_EQ(input.GamepadButton(10), 0);
  EXPECT_EQ(input.GamepadAxisX(), 1);
}

TEST_F(InputTest, PadButtonTappedBetweenPollsReadsHeldOnce) {
  source.padAttached = true;
  input.StartGamepad();
  source.SetButton(10, true);
  source.SetButton(10, false);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(10), 0x80);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(10), 0);
}

TEST_F(InputTest, MouseIsCapturedInFocusAndItsPositionClampedToTheScreen) {
  input.SetScreenSize(640, 480);
  ASSERT_EQ(input.StartMouse(), 1);
  auto move = [&](int dx, int dy) {
    source.mouse = MouseDelta{dx, dy, 0, {true, false, true}};
    input.PollMouse();
    return std::tuple(input.MouseX(), input.MouseY(), input.MouseButton(1) + 2 * input.MouseButton(2));
  };
  EXPECT_EQ(move(70, 70), std::tuple(0, 0, 0)) << "the poll that captures drops what came before";
  EXPECT_EQ(move(100, 50), std::tuple(100, 50, 1));
  EXPECT_EQ(move(10000, -10000), std::tuple(639, 0, 1));
  input.PlaceMouse(0, 0);
  EXPECT_EQ(move(-5, 0), std::tuple(0, 0, 1));
  display.focused = false;
  EXPECT_EQ(input.PollMouse(), 0);
  move(30, 0);
  display.focused = true;
  EXPECT_EQ(move(0, 0), std::tuple(0, 0, 0)) << "motion made while away does not move the game's pointer";
  EXPECT_EQ(display.captures, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace vorantis
