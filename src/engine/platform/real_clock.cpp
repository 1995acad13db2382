#include "engine/platform/real_clock.h"

#include <chrono>
#include <thread>

#include "engine/frame_pacing.h"

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
    const std::int64_t start = schedule_.NextStart(Microseconds());
    std::this_thread::sleep_until(start_ + std::chrono::microseconds(start));
  }

  void PaceProgressFrame() override {}

  std::int64_t Microseconds() override {
    return std::chrono::duration_cast<std::chrono::microseconds>(Steady::now() - start_).count();
  }

  std::int64_t NextFrameDue() override { return schedule_.due(); }

 private:
  Steady::time_point start_ = Steady::now();
  PassSchedule schedule_;
};

}  // namespace

std::unique_ptr<Clock> MakeRealClock() {
  return std::make_unique<RealClock>();
}

}  // namespace vorantis
