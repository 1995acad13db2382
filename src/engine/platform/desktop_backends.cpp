#include "engine/platform/desktop_backends.h"

#include <cstdint>
#include <memory>

#include "engine/platform/end_signals.h"
#include "engine/platform/image_decoders.h"
#include "engine/platform/ogg_decoder.h"
#include "engine/platform/openal_device.h"
#include "engine/platform/real_clock.h"
#include "engine/platform/sdl_display.h"
#include "engine/platform/sdl_input.h"
#include "engine/platform/start_folder.h"
#include "engine/screen.h"
#include "engine/sounds.h"

namespace vorantis {

namespace {

// The real clock, whose waits also end the program once a signal asked for it: every
// loop of the game sleeps or presents, so a signal is acted on within a frame.
class SignalWatchingClock : public Clock {
 public:
  explicit SignalWatchingClock(std::unique_ptr<Clock> inner) : inner_(std::move(inner)) {}
  void Sleep(int milliseconds) override {
    inner_->Sleep(milliseconds);
    ThrowIfEndSignalled();
  }
  std::uint32_t TickCount() override { return inner_->TickCount(); }
  void PaceFrame() override {
    inner_->PaceFrame();
    ThrowIfEndSignalled();
  }
  void PaceProgressFrame() override {
    inner_->PaceProgressFrame();
    ThrowIfEndSignalled();
  }
  std::int64_t Microseconds() override { return inner_->Microseconds(); }
  std::int64_t NextFrameDue() override { return inner_->NextFrameDue(); }

 private:
  std::unique_ptr<Clock> inner_;
};

}  // namespace

Backends MakeDesktopBackends() {
  EnterProgramFolderWithoutData();
  // Before SDL starts, which would otherwise turn SIGINT and SIGTERM into quit events.
  CatchEndSignals();
  Backends b;
  b.display = MakeSdlDisplay();
  b.clock = std::make_unique<SignalWatchingClock>(MakeRealClock());
  b.input = MakeSdlInput();
  b.openSound = [] { return OpenOpenAlDevice(); };
  b.registerDecoders = [](Screen& screen, Sounds& sounds) {
    RegisterImageDecoders(screen);
    RegisterOggDecoder(sounds);
  };
  return b;
}

}  // namespace vorantis
