#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "engine/input.h"
#include "engine/platform/sdl_input.h"
#include "engine/platform/sdl_virtual_pad.h"

namespace vorantis {
namespace {

TEST(SdlKeyboardMapping, GameKeysHaveTheirDirectInputCodes) {
  struct Case {
    const char* name;
    int code;
  };
  for (Case c : {Case{"Escape", key::kEscape},
                 Case{"Y", key::kY},
                 Case{"P", key::kP},
                 Case{"A", key::kA},
                 Case{"D", key::kD},
                 Case{"X", key::kX},
                 Case{"C", key::kC},
                 Case{"B", key::kB},
                 Case{"Space", key::kSpace},
                 Case{"Up", key::kUp},
                 Case{"PageUp", key::kPageUp},
                 Case{"Left", key::kLeft},
                 Case{"Right", key::kRight},
                 Case{"Down", key::kDown},
                 Case{"PageDown", key::kPageDown},
                 Case{"Return", 0x1C},
                 Case{"Keypad Enter", 0x9C},
                 Case{"Left Ctrl", 0x1D},
                 Case{"Right Ctrl", 0x9D},
                 Case{"F12", 0x58},
                 Case{"Keypad 0", 0x52},
                 Case{"Delete", 0xD3},
                 Case{"Z", 0x2C}})
    EXPECT_EQ(DirectInputKeyForKeyName(c.name), c.code) << c.name;
  EXPECT_EQ(DirectInputKeyForKeyName("no such key"), 0);
}

TEST(SdlKeyboardMapping, EveryMappedCodeIsARealKeyAndFewAreShared) {
  std::multiset<int> codes;
  for (int scancode = 0; scancode < 512; ++scancode)
    if (int code = DirectInputKeyForScancode(scancode)) codes.insert(code);
  EXPECT_GT(codes.size(), 100u) << "a full keyboard is mapped";
  for (int code : codes) {
    EXPECT_GE(code, 1);
    EXPECT_LE(code, 254) << "255 is never a key";
  }
  // Only the ISO key beside Enter (same key as backslash) and the two mute keys share a code.
  std::set<int> shared;
  for (int code : codes)
    if (codes.count(code) > 1) shared.insert(code);
  EXPECT_EQ(shared, (std::set<int>{0x2B, 0xA0}));
}

// InputDevices reads through whatever source the test made in SetUp.
class ForwardingSource : public InputSource {
 public:
  explicit ForwardingSource(std::unique_ptr<InputSource>& to) : to_(to) {}
  bool ReadKeyboard(KeyboardSnapshot& out) override { return to_->ReadKeyboard(out); }
  bool OpenGamepad() override { return to_ && to_->OpenGamepad(); }
  bool ReadGamepad(GamepadSnapshot& out) override { return to_->ReadGamepad(out); }
  bool ReadMouse(MouseDelta& out) override { return to_->ReadMouse(out); }

 private:
  std::unique_ptr<InputSource>& to_;
};

class SdlPadThroughDevices : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    pad = std::make_unique<VirtualPad>();
    if (!pad->attached()) GTEST_SKIP() << "SDL refused a virtual joystick";
    source = MakeSdlInput();
    ASSERT_EQ(input.StartGamepad(), 1);
  }
  void TearDown() override {
    source.reset();
    pad.reset();
  }
  std::unique_ptr<VirtualPad> pad;
  std::unique_ptr<InputSource> source;
  ForwardingSource forward{source};
  InputDevices input{&forward, nullptr};
};

TEST_F(SdlPadThroughDevices, ButtonsAreNumberedAsDirectInputPads) {
  struct Case {
    PadButton button;
    int number;
  };
  for (Case c :
       {Case{PadButton::kX, 1}, Case{PadButton::kA, 2}, Case{PadButton::kB, 3}, Case{PadButton::kY, 4},
        Case{PadButton::kLeftShoulder, 5}, Case{PadButton::kRightShoulder, 6}, Case{PadButton::kBack, 9},
        Case{PadButton::kStart, 10}, Case{PadButton::kLeftStick, 11}, Case{PadButton::kRightStick, 12},
        Case{PadButton::kGuide, 13}}) {
    pad->SetButton(c.button, true);
    ASSERT_EQ(input.PollGamepad(), 1);
    for (int n = 1; n <= 32; ++n)
      EXPECT_EQ(input.GamepadButton(n), n == c.number ? 0x80 : 0) << c.number << " " << n;
    pad->SetButton(c.button, false);
  }
}

TEST_F(SdlPadThroughDevices, TriggersCountAsButtonsPastHalfTravel) {
  pad->SetAxis(PadAxis::kLeftTrigger, 32767);
  pad->SetAxis(PadAxis::kRightTrigger, 8000);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadButton(7), 0x80);
  EXPECT_EQ(input.GamepadButton(8), 0);
}

TEST_F(SdlPadThroughDevices, StickAndDpadDriveTheDirections) {
  pad->SetAxis(PadAxis::kLeftX, 32767);
  pad->SetAxis(PadAxis::kLeftY, -32768);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadAxisX(), 1);
  EXPECT_EQ(input.GamepadAxisY(), -1);

  // Half travel is 500 of 1000: still inside the dead zone.
  pad->SetAxis(PadAxis::kLeftX, 16384);
  pad->SetAxis(PadAxis::kLeftY, 0);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadAxisX(), 0);
  EXPECT_EQ(input.GamepadAxisY(), 0);

  pad->SetButton(PadButton::kDpadLeft, true);
  pad->SetButton(PadButton::kDpadDown, true);
  input.PollGamepad();
  EXPECT_EQ(input.GamepadAxisX(), -1);
  EXPECT_EQ(input.GamepadAxisY(), 1);
}

TEST(SdlPadMissing, NoPadMeansNoGamepad) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  auto source = MakeSdlInput();
  InputDevices input(source.get(), nullptr);
  EXPECT_EQ(input.StartGamepad(), 0);
  EXPECT_EQ(input.PollGamepad(), 0);
  EXPECT_EQ(input.GamepadButton(10), 0);
}

}  // namespace
}  // namespace vorantis
