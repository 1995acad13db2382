// Test support: a virtual game controller attached through SDL, whose buttons and
// axes the test sets, so the real gamepad path can be driven without hardware.
#pragma once

#include <memory>

namespace vorantis {

enum class PadButton {
  kA,
  kB,
  kX,
  kY,
  kBack,
  kGuide,
  kStart,
  kLeftStick,
  kRightStick,
  kLeftShoulder,
  kRightShoulder,
  kDpadUp,
  kDpadDown,
  kDpadLeft,
  kDpadRight
};
enum class PadAxis { kLeftX, kLeftY, kRightX, kRightY, kLeftTrigger, kRightTrigger };

class VirtualPad {
 public:
  // Attaches the pad; attached() is false when SDL refused.
  VirtualPad();
  ~VirtualPad();
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool attached() const;
  void SetButton(PadButton button, bool held);
  void SetAxis(PadAxis axis, int value);  // sticks -32768 .. 32767, triggers 0 .. 32767
  // Hands what was set to SDL as the game's event pump does between two reads, so a press and
  // release both inside one gap can be made.
  void Update();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vorantis
