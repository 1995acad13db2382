#include "engine/platform/real_clock.h"

#include <chrono>
#include <thread>

namespace vorantis {

namespace {

using Steady = std::chrono::steady_clock;

class RealClock : public Clock {
 public:
  void Sleep(int milliseconds) override {
    if (milliseconds > 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    } else {
      std::this_thread::yield();
    }
  }

  std::uint32_t TickCount() override {
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start_);
    return static_cast<std::uint32_t>(since.count());
  }

  void PaceFrame() override {
    constexpr auto kFrame = std::chrono::microseconds(16667);
    const auto now = Steady::now();
    // Frames are due on a fixed grid, so small lateness evens out; a frame more
    // than a whole frame late restarts the grid instead of letting later ones hurry.
    if (now < nextFrame_) std::this_thread::sleep_until(nextFrame_);
    nextFrame_ += kFrame;
    if (nextFrame_ < now) nextFrame_ = now + kFrame;
  }

 private:
  Steady::time_point start_ = Steady::now();
  Steady::time_point nextFrame_ = Steady::now();
};

}  // namespace

std::unique_ptr<Clock> MakeRealClock() {
  return std::make_unique<RealClock>();
}

}  // namespace vorantis
